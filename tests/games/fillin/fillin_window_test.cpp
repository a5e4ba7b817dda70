// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The fill-in window on real widgets: its table, the questions it asks from
// the page's lists, judging by button and by Enter, listening again, the
// answer, the two switches, and pages with nothing to ask.
#include "fillin_fixture.h"
#include "lists.h"
#include "text.h"
#include "unit_widgets.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using fillin_tests::FillInTest;
using fillin_tests::pageOf;
using Call = testing_ground::RecordingSound::Call;
using namespace fillin;

namespace {

bool contains(const std::vector<tk::Clip>& clips, tk::Clip clip) {
    return std::find(clips.begin(), clips.end(), clip) != clips.end();
}

std::vector<Call> plays(std::initializer_list<tk::Clip> clips) {
    std::vector<Call> calls;
    for (const tk::Clip clip : clips) {
        calls.push_back({Call::What::Play, clip, false});
    }
    return calls;
}

TEST_F(FillInTest, TheWindowAsDefined) {
    open(pageOf({{"boy", "男孩"}}));
    EXPECT_EQ(window->width(), 800);
    EXPECT_EQ(window->height(), 600);
    EXPECT_EQ(window->pos(), QPoint(50, 50));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);

    const QWidget* background = unit(kBackground).widget();
    struct Row {
        const char* name;
        tk::Kind kind;
        tk::Rect rect; // at start, before the first question moves the box
        bool onBackground;
        bool visible;
    };
    using tk::Kind;
    const Row rows[] = {
        {kBackground, Kind::PicBox, {0, 0, 800, 600}, false, true},
        {kQuestionLine, Kind::TransLabel, {190, 154, 464, 36}, false, true},
        {kChineseHint, Kind::TransLabel, {190, 224, 378, 36}, false, true},
        {kAnswerHint, Kind::TransLabel, {188, 354, 378, 36}, false, false},
        {kChineseSwitch, Kind::CheckBox, {136, 428, 124, 28}, true, true},
        {kReadAloudSwitch, Kind::CheckBox, {270, 427, 92, 28}, true, true},
        {kNextQuestion, Kind::SuperBtn, {128, 475, 104, 40}, true, true},
        {kListenAgain, Kind::SuperBtn, {254, 474, 100, 40}, true, true},
        {kAnswer, Kind::SuperBtn, {381, 476, 60, 40}, true, true},
        {kConfirm, Kind::SuperBtn, {474, 475, 60, 40}, true, true},
        {kExit, Kind::SuperBtn, {704, 475, 40, 40}, true, true},
        {kStart, Kind::Button, {652, 548, 100, 36}, true, false},
    };
    for (const Row& row : rows) {
        const tk::UnitRef u = unit(row.name);
        ASSERT_FALSE(u.isEmpty()) << row.name;
        EXPECT_EQ(u.kind(), row.kind) << row.name;
        EXPECT_EQ(tk::Rect({u.left(), u.top(), u.width(), u.height()}), row.rect) << row.name;
        EXPECT_EQ(u.widget()->parentWidget() == background, row.onBackground) << row.name;
        EXPECT_EQ(u.visible(), row.visible) << row.name;
        if (row.kind == Kind::SuperBtn) {
            EXPECT_FALSE(u.picture().isEmpty()) << row.name << " has its face";
        }
    }
    for (const char* name : {kQuestionLine, kAnswerBox, kChineseHint, kAnswerHint}) {
        EXPECT_EQ(unit(name).font().size, 16) << name;
        EXPECT_EQ(unit(name).font().face, "宋体") << name;
    }
    for (const char* name : {kQuestionLine, kChineseHint, kAnswerHint}) {
        EXPECT_EQ(unit(name).textColor(), tk::Rgb(0, 0, 0)) << name;
    }
    EXPECT_EQ(testing_ground::captionOf(unit(kChineseSwitch)), "是否显示汉语翻译");
    EXPECT_EQ(testing_ground::captionOf(unit(kReadAloudSwitch)), "是否读音");
    EXPECT_TRUE(unit(kChineseSwitch).checked());
    EXPECT_TRUE(unit(kReadAloudSwitch).checked());
    EXPECT_EQ(testing_ground::captionOf(unit(kStart)), "开始");

    // The 4000 x 2800 picture, at the window's size.
    const auto* picture = qobject_cast<const tk::PictureBox*>(background);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->image().size(), QSize(800, 600));
    EXPECT_EQ(&backgroundPicture(), &backgroundPicture());
}

// Every lesson page of the book, as the reader hands it over.
TEST_F(FillInTest, EachLessonPageOpensOnAWordOfOneOfItsLines) {
    for (int page = 0; page < content::kLessonPages; ++page) {
        common::PageLists lists;
        dealLines(content::pageTextList(page), lists.english, lists.chinese);
        lists.clips = content::pageClips(page);
        ground.sound.forget();
        ground.clock.advance(37);
        open(lists);
        const auto found = std::find(lists.english.begin(), lists.english.end(), tk::toGbk(line()));
        ASSERT_NE(found, lists.english.end()) << page << ": " << line();
        const auto k = static_cast<std::size_t>(found - lists.english.begin());
        EXPECT_NE(line(), "$") << page;
        EXPECT_EQ(unit(kChineseHint).caption(), lists.chinese[k]) << page;
        EXPECT_TRUE(unit(kChineseHint).visible()) << page;
        EXPECT_FALSE(unit(kAnswerHint).visible()) << page;
        EXPECT_EQ(ground.sound.calls(), plays({lists.clips[k]})) << page;
        EXPECT_TRUE(box().text().empty());
        EXPECT_FALSE(box().disabled());
        // The word stands in the line, its trailing mark left out.
        const std::string text = line();
        const int at = tk::FindText(text, word(), 1, true);
        ASSERT_GE(at, 1) << text << " / " << word();
        EXPECT_FALSE(word().empty());
        EXPECT_NE(word(), "$");
        expectBoxOver(at - 1, static_cast<int>(word().size()));
        EXPECT_TRUE(ground.platform.messages.empty()) << page;
    }
}

TEST_F(FillInTest, ALineOfOneWordAsksThatWordWithTheBoxAtTheStartOfTheLine) {
    open(pageOf({{"teacher", "老师"}}));
    EXPECT_EQ(line(), "teacher");
    EXPECT_EQ(word(), "teacher");
    EXPECT_EQ(box().left(), 190);
    expectBoxOver(0, 7);
}

TEST_F(FillInTest, ATrailingMarkIsLeftOutAndStaysInSightRightOfTheBox) {
    for (const char* text : {"Ben!", "Hello,", "student.", "you?"}) {
        open(pageOf({{text, "句子"}}));
        const std::string shown = text;
        const std::string asked = shown.substr(0, shown.size() - 1);
        EXPECT_EQ(line(), shown);
        EXPECT_EQ(word(), asked);
        expectBoxOver(0, static_cast<int>(asked.size()));
        // The box ends where the mark begins.
        const double markStart = drawnSpan(shown, static_cast<int>(asked.size()), 1).first;
        EXPECT_LT(box().left() + box().width(), markStart + 1) << text;
    }
}

TEST_F(FillInTest, AWordThatAlsoStandsEarlierGetsTheBoxOverTheEarlierSpot) {
    struct Case {
        const char* line;
        std::set<std::string> words; // each lies over the start of the line
    };
    // "is" lies inside "This"; "look" is found as "Look".
    const Case cases[] = {{"This is", {"This", "is"}}, {"Look look", {"Look", "look"}}};
    for (const Case& c : cases) {
        open(pageOf({{c.line, "句子"}}));
        std::set<std::string> asked;
        for (int tries = 0; tries < 200 && asked.size() < c.words.size(); ++tries) {
            asked.insert(word());
            const int at = word() == "is" ? 2 : 0;
            expectBoxOver(at, static_cast<int>(word().size()));
            ground.clock.advance(1);
            next();
        }
        EXPECT_EQ(asked, c.words) << c.line;
    }
}

TEST_F(FillInTest, OnlyTheExactWordIsRightByButtonAndByEnter) {
    struct Case {
        const char* typed;
        bool right;
    };
    const Case cases[] = {
        {"boy", true}, {"Boy", false}, {" boy", false}, {"boy ", false}, {"bo", false}, {"", false},
    };
    for (const bool byEnter : {false, true}) {
        for (const Case& c : cases) {
            ground.sound.forget();
            open(pageOf({{"boy", "男孩"}}));
            const tk::Clip lineClip = fillin_tests::fakeClip(0);
            const std::size_t pauses = ground.clock.delays().size();
            type(c.typed);
            // Letters only edit the box.
            EXPECT_EQ(ground.sound.calls(), plays({lineClip})) << c.typed;
            EXPECT_EQ(ground.clock.delays().size(), pauses);
            ground.sound.forget();
            std::vector<Call> heardBeforeThePause;
            ground.clock.duringDelay = [&](int) { heardBeforeThePause = ground.sound.calls(); };
            showAnswer();
            byEnter ? pressEnter() : confirm();
            const std::string how =
                std::string(byEnter ? "Enter" : "button") + " '" + c.typed + "'";
            ASSERT_EQ(heardBeforeThePause.size(), 1U) << how;
            const tk::Clip feedback = heardBeforeThePause[0].clip;
            EXPECT_TRUE(contains(
                c.right ? fillin_tests::praiseClips() : fillin_tests::gameRetryClips(), feedback))
                << how;
            ASSERT_EQ(ground.clock.delays().size(), pauses + 1) << how;
            EXPECT_EQ(ground.clock.delays().back(), 4000) << how;
            // After the pause the line is heard again: the next question of
            // a one-line page, or the same question again.
            EXPECT_EQ(ground.sound.calls(), plays({feedback, lineClip})) << how;
            EXPECT_TRUE(box().text().empty()) << how;
            EXPECT_FALSE(unit(kAnswerHint).visible()) << how;
            EXPECT_EQ(word(), "boy");
            EXPECT_EQ(window->focusWidget(), box().widget()) << how;
            ground.clock.duringDelay = nullptr;
        }
    }
}

TEST_F(FillInTest, AWrongAnswerKeepsTheQuestionARightOneMakesANewOne) {
    // Two lines of one word each, drawn again after each right answer.
    open(pageOf({{"boy", "男孩"}, {"girl", "女孩"}}));
    std::set<std::string> askedAfterRight;
    for (int round = 0; round < 100 && askedAfterRight.size() < 2; ++round) {
        const std::string asked = word();
        type("wrong");
        confirm();
        EXPECT_EQ(word(), asked);
        EXPECT_EQ(line(), asked);
        type(asked);
        ground.clock.advance(1);
        confirm();
        askedAfterRight.insert(word());
    }
    EXPECT_EQ(askedAfterRight, (std::set<std::string>{"boy", "girl"}));
}

TEST_F(FillInTest, WithReadAloudOffAWrongAnswerPlaysOnlyTheRetryClip) {
    open(pageOf({{"boy", "男孩"}}));
    flip(kReadAloudSwitch);
    EXPECT_FALSE(unit(kReadAloudSwitch).checked());
    next();
    // The stop of 下一题, and no line.
    EXPECT_EQ(ground.sound.calls().back().what, Call::What::Stop);
    ground.sound.forget();
    type("girl");
    confirm();
    ASSERT_EQ(ground.sound.calls().size(), 1U);
    EXPECT_TRUE(contains(fillin_tests::gameRetryClips(), ground.sound.calls()[0].clip));
    EXPECT_EQ(ground.clock.delays(), std::vector<int>{4000});
    EXPECT_TRUE(box().text().empty());
}

TEST_F(FillInTest, TheSwitchesTakeEffectAtTheNextQuestion) {
    open(pageOf({{"boy", "男孩"}}));
    const tk::Clip lineClip = fillin_tests::fakeClip(0);
    ground.sound.forget();
    flip(kReadAloudSwitch);
    flip(kChineseSwitch);
    // Still on until 下一题.
    listenAgain();
    EXPECT_EQ(ground.sound.calls(), plays({lineClip}));
    EXPECT_TRUE(unit(kChineseHint).visible());

    ground.sound.forget();
    next();
    EXPECT_EQ(ground.sound.calls(), (std::vector<Call>{{Call::What::Stop, {}, false}}));
    EXPECT_FALSE(unit(kChineseHint).visible());
    EXPECT_EQ(testing_ground::captionOf(unit(kChineseHint)), "男孩");
    ground.sound.forget();
    listenAgain();
    EXPECT_TRUE(ground.sound.calls().empty());

    // Ticked again: silent still until 下一题.
    flip(kReadAloudSwitch);
    flip(kChineseSwitch);
    listenAgain();
    EXPECT_TRUE(ground.sound.calls().empty());
    EXPECT_FALSE(unit(kChineseHint).visible());
    next();
    EXPECT_EQ(ground.sound.calls(), (std::vector<Call>{{Call::What::Stop, {}, false},
                                                       {Call::What::Play, lineClip, false}}));
    EXPECT_TRUE(unit(kChineseHint).visible());
    ground.sound.forget();
    listenAgain();
    EXPECT_EQ(ground.sound.calls(), plays({lineClip}));
}

TEST_F(FillInTest, TheAnswerShowsTheWordUntilTheNextQuestionOrTheNextJudgement) {
    open(pageOf({{"Hello, friends!", "你好，朋友们！"}}));
    const std::string asked = word();
    EXPECT_TRUE(asked == "Hello" || asked == "friends") << asked;
    showAnswer();
    EXPECT_TRUE(unit(kAnswerHint).visible());
    EXPECT_EQ(word(), asked);
    type("nothing");
    confirm();
    EXPECT_FALSE(unit(kAnswerHint).visible());
    showAnswer();
    EXPECT_TRUE(unit(kAnswerHint).visible());
    next();
    EXPECT_FALSE(unit(kAnswerHint).visible());
    EXPECT_EQ(window->focusWidget(), box().widget());
}

TEST_F(FillInTest, ALineWithoutItsClipIsAskedInSilence) {
    common::PageLists lists = pageOf({{"boy", "男孩"}, {"girl", "女孩"}});
    lists.clips.resize(1);
    open(lists);
    bool girlAsked = false;
    for (int tries = 0; tries < 200 && !girlAsked; ++tries) {
        ground.clock.advance(1);
        ground.sound.forget();
        next();
        girlAsked = word() == "girl";
    }
    ASSERT_TRUE(girlAsked);
    EXPECT_EQ(ground.sound.calls(), (std::vector<Call>{{Call::What::Stop, {}, false}}));
    ground.sound.forget();
    listenAgain();
    type("boy");
    confirm();
    EXPECT_EQ(ground.sound.calls().size(), 1U) << "the retry clip alone";
}

TEST_F(FillInTest, ListsOfDifferentLengthsAreReportedAndNothingIsAsked) {
    common::PageLists lists = pageOf({{"boy", "男孩"}, {"girl", "女孩"}});
    lists.chinese.pop_back();
    open(lists);
    ASSERT_EQ(ground.platform.messages.size(), 1U);
    EXPECT_EQ(ground.platform.messages[0].content, "英语和汉语和读音的数量不同");
    EXPECT_EQ(ground.platform.messages[0].flags, 0);
    EXPECT_EQ(ground.platform.messages[0].caption, "信息：");
    EXPECT_TRUE(ground.sound.calls().empty());
    EXPECT_TRUE(line().empty());
    EXPECT_TRUE(box().disabled());
    confirm();
    EXPECT_TRUE(ground.sound.calls().empty());
    next();
    EXPECT_EQ(ground.platform.messages.size(), 2U);
}

// Pages where no line holds a word: the window opens without a question,
// and no button spins or judges.
TEST_F(FillInTest, APageWithNothingToAskOpensWithoutAQuestion) {
    struct Case {
        const char* what;
        common::PageLists lists;
    };
    const Case cases[] = {
        {"no lists", {}},
        {"placeholders only", pageOf({{"$", "$"}, {"$", "$"}, {"$", "$"}})},
        {"empty lines and lone marks", pageOf({{"", ""}, {",", "，"}, {"!  ?", "！"}})},
    };
    for (const Case& c : cases) {
        ground.sound.forget();
        open(c.lists);
        EXPECT_TRUE(window->isVisible()) << c.what;
        EXPECT_TRUE(line().empty()) << c.what;
        EXPECT_TRUE(word().empty()) << c.what;
        EXPECT_TRUE(box().disabled()) << c.what;
        EXPECT_TRUE(ground.sound.calls().empty()) << c.what;
        listenAgain();
        showAnswer();
        confirm();
        pressEnter();
        next();
        EXPECT_EQ(ground.sound.calls(), (std::vector<Call>{{Call::What::Stop, {}, false}}))
            << c.what;
        EXPECT_TRUE(ground.clock.delays().empty()) << c.what;
        EXPECT_TRUE(ground.platform.messages.empty()) << c.what;
        EXPECT_TRUE(line().empty()) << c.what;
    }
}

TEST_F(FillInTest, OpeningRunsTheWindowModalWithoutAParentUntilItsExitButton) {
    bool seen = false;
    ground.platform.insideNextWindow.push_back([&](tk::Window& w) {
        seen = true;
        EXPECT_TRUE(w.isModal());
        EXPECT_EQ(w.parentWidget(), nullptr);
        EXPECT_EQ(testing_ground::captionOf(w.unit(kQuestionLine)), "girl");
        testing_ground::click(w.unit(kExit));
    });
    openFillIn(pageOf({{"girl", "女孩"}}));
    EXPECT_TRUE(seen);
    EXPECT_EQ(ground.sound.calls(), plays({fillin_tests::fakeClip(0)}));
}

} // namespace
