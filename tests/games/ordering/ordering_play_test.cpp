// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Working the sentence-ordering window: clicks that build the arranged line,
// judging with the button, the answer, redo, listening again, the two
// switches, the starts counter and lists that give no sentence to ask.
#include "ordering_fixture.h"

#include <gtest/gtest.h>
#include <set>

using ordering_tests::OrderingTest;
using namespace ordering_tests;
using testing_ground::captionOf;

namespace {

const tk::Text kStartAgain = "重新开始吧！"_gbk;

// One sentence to ask, between a one-word heading and a placeholder.
common::PageLists onePage(const std::string& sentence) {
    return fakePage({{"Talk", "说一说"}, {sentence, "一句话"}, {"$", "$"}});
}

class PlayTest : public OrderingTest {
  protected:
    void openOn(const std::string& sentence) {
        open(onePage(sentence));
        ground.sound.forget();
    }
    tk::UnitRef word(const std::string& text) const {
        std::vector<tk::UnitRef> none;
        return labelOf(text, none);
    }
    void expectLook(const tk::UnitRef& label, int size, int colour, int width) const {
        EXPECT_EQ(label.font().size, size) << captionOf(label);
        EXPECT_EQ(label.font().face, "宋体") << captionOf(label);
        EXPECT_EQ(label.textColor(), colour) << captionOf(label);
        EXPECT_EQ(label.width(), width) << captionOf(label);
    }
    bool praised() const { return isOneOf(ground.sound.lastPlayed(), praiseClips()); }
    bool retried() const { return isOneOf(ground.sound.lastPlayed(), retryClips()); }
};

TEST_F(PlayTest, ClicksBuildTheArrangedLineTheLastWordLargeAndBlue) {
    openOn("Good morning, boys and girls!");
    EXPECT_FALSE(unit(ordering::kRedo).visible());
    const tk::UnitRef good = word("Good");
    const tk::UnitRef morning = word("morning,");
    clickWord(good);
    EXPECT_EQ(arranged(), " Good");
    EXPECT_EQ(arrangedLine().textColor(), kBlack);
    EXPECT_TRUE(unit(ordering::kRedo).visible());
    expectLook(good, 20, kBlue, 78);

    clickWord(morning);
    EXPECT_EQ(arranged(), " Good morning,");
    expectLook(good, 14, kNavy, 52);
    expectLook(morning, 20, kBlue, 156);
    // Labels stay where they were laid out.
    EXPECT_EQ(label(1).left(), 10);
    EXPECT_TRUE(ground.sound.played().empty()) << "a click plays nothing";
}

TEST_F(PlayTest, AWordLabelClickedTwiceGoesInTwice) {
    openOn("Thank you.");
    const tk::UnitRef you = word("you.");
    clickWord(you);
    clickWord(you);
    EXPECT_EQ(arranged(), " you. you.");
    // 52 wide, then 78, back to 52 and 78 again.
    expectLook(you, 20, kBlue, 78);
    ok();
    EXPECT_TRUE(retried());

    // A sentence that holds the word twice is matched so.
    openOn("Hello! I'm Ben. I'm from Britain.");
    const tk::UnitRef im = word("I'm");
    clickWord(word("Hello!"));
    clickWord(im);
    clickWord(word("Ben."));
    clickWord(im);
    clickWord(word("from"));
    clickWord(word("Britain."));
    EXPECT_EQ(arranged(), " Hello! I'm Ben. I'm from Britain.");
    ok();
    EXPECT_TRUE(praised());
}

TEST_F(PlayTest, ARightArrangementIsPraisedAndTheWindowWaitsFourSeconds) {
    openOn("Good morning, boys and girls!");
    arrange({"Good", "morning,", "boys", "and", "girls!"});
    const tk::UnitRef last = word("girls!");
    ok();
    EXPECT_EQ(ground.sound.stops(), 1);
    EXPECT_EQ(ground.sound.played().size(), 1u);
    EXPECT_TRUE(praised());
    EXPECT_EQ(ground.clock.delays(), std::vector<int>{4000});
    EXPECT_EQ(arranged(), " Good morning, boys and girls!");
    // Navy, still as wide as when it was clicked.
    expectLook(last, 14, kNavy, 117);

    // The next click starts a new arrangement.
    clickWord(word("boys"));
    EXPECT_EQ(arranged(), " boys");
}

TEST_F(PlayTest, AWrongArrangementIsToldToStartAgain) {
    openOn("Good morning, boys and girls!");
    arrange({"morning,", "Good", "boys", "and", "girls!"});
    ok();
    EXPECT_TRUE(retried());
    EXPECT_TRUE(ground.clock.delays().empty());
    EXPECT_EQ(arranged(), kStartAgain);
    EXPECT_EQ(arrangedLine().textColor(), kGrey);
    expectLook(word("girls!"), 14, kNavy, 117);

    clickWord(word("Good"));
    EXPECT_EQ(arranged(), " Good");
    EXPECT_EQ(arrangedLine().textColor(), kBlack);
}

// Retries 1, 3 and 4, never 2; praise 1 to 3; both drawn at every judgement.
TEST_F(PlayTest, JudgementsDrawTheGamesPraiseAndRetryClips) {
    openOn("Thank you.");
    std::set<const std::uint8_t*> retries;
    std::set<const std::uint8_t*> praises;
    for (int round = 0; round < 40; ++round) {
        ground.clock.advance(7);
        redo();
        ok();
        ASSERT_TRUE(retried()) << "round " << round;
        retries.insert(ground.sound.lastPlayed().data);
        arrange({"Thank", "you."});
        ok();
        ASSERT_TRUE(praised()) << "round " << round;
        praises.insert(ground.sound.lastPlayed().data);
    }
    EXPECT_EQ(retries.size(), 3u);
    EXPECT_EQ(praises.size(), 3u);
    EXPECT_EQ(retries.count(content::effect(content::Effect::Retry2).data), 0u);
}

TEST_F(PlayTest, TheAnswerThenOkIsRight) {
    openOn("Hello! Let's be friends!");
    clickWord(word("friends!"));
    answer();
    EXPECT_EQ(arranged(), "Hello! Let's be friends!");
    EXPECT_EQ(arrangedLine().textColor(), kBlack);
    ok();
    EXPECT_TRUE(praised());
    EXPECT_EQ(ground.clock.delays(), std::vector<int>{4000});
}

TEST_F(PlayTest, OkWithNoWordClickedJudgesTheLineShownAndIsWrong) {
    openOn("Thank you.");
    ok();
    EXPECT_TRUE(retried()) << "the instruction is no sentence";
    EXPECT_EQ(arranged(), kStartAgain);
    ok();
    EXPECT_TRUE(retried()) << "nor is the notice";
}

// Only the arrangement is trimmed: a line that ends with a space is never
// matched, not even by its own answer.
TEST_F(PlayTest, ASentenceEndingWithASpaceIsNeverMatched) {
    openOn("Thank you. ");
    arrange({"Thank", "you."});
    ok();
    EXPECT_TRUE(retried());
    answer();
    ok();
    EXPECT_TRUE(retried());
}

TEST_F(PlayTest, RedoSilencesMarksTheLastWordAndStartsAgain) {
    openOn("Good morning, boys and girls!");
    listenAgain();
    arrange({"boys", "and"});
    const int stops = ground.sound.stops();
    redo();
    EXPECT_EQ(ground.sound.stops(), stops + 1);
    EXPECT_TRUE(ground.sound.playing().empty());
    EXPECT_EQ(arranged(), kStartAgain);
    EXPECT_EQ(arrangedLine().textColor(), kGrey);
    expectLook(word("and"), 14, kNavy, 58);
    expectLook(word("boys"), 14, kNavy, 52);

    arrange({"Good", "morning,"});
    EXPECT_EQ(arranged(), " Good morning,");
    expectLook(word("Good"), 14, kNavy, 52);
}

TEST_F(PlayTest, ListenAgainPlaysTheSentencesClipAsOftenAsAsked) {
    openOn("Thank you.");
    listenAgain();
    listenAgain();
    EXPECT_EQ(ground.sound.played(),
              (std::vector<tk::Clip>{state.lists.clips[1], state.lists.clips[1]}));
}

TEST_F(PlayTest, TheSwitchesNameTheirNextClickAndActAtTheNextSentence) {
    openOn("Thank you.");
    const tk::UnitRef pronunciation = unit(ordering::kPronunciation);
    const tk::UnitRef translationSwitch = unit(ordering::kTranslationSwitch);
    testing_ground::click(pronunciation);
    testing_ground::click(translationSwitch);
    EXPECT_EQ(captionOf(pronunciation), "读音开");
    EXPECT_EQ(captionOf(translationSwitch), "汉语翻译开");
    EXPECT_TRUE(ground.sound.played().empty());
    EXPECT_TRUE(translation().visible()) << "the translation shown stays until the next sentence";
    EXPECT_TRUE(translationBoxShown());

    next();
    EXPECT_TRUE(ground.sound.played().empty());
    EXPECT_FALSE(translation().visible());
    EXPECT_TRUE(translationBoxHidden());
    EXPECT_EQ(shownLabels().size(), 2u);
    listenAgain();
    EXPECT_EQ(ground.sound.played(), std::vector<tk::Clip>{state.lists.clips[1]});

    testing_ground::click(pronunciation);
    testing_ground::click(translationSwitch);
    EXPECT_EQ(captionOf(pronunciation), "读音关");
    EXPECT_EQ(captionOf(translationSwitch), "汉语翻译关");
    ground.sound.forget();
    next();
    EXPECT_EQ(ground.sound.played(), std::vector<tk::Clip>{state.lists.clips[1]});
    EXPECT_TRUE(translation().visible());
    EXPECT_TRUE(translationBoxShown());
}

TEST_F(PlayTest, NextLaysOutAFreshArrangement) {
    openOn("Good morning, boys and girls!");
    arrange({"Good", "morning,"});
    next();
    EXPECT_EQ(shownLabels().size(), 5u);
    for (const tk::UnitRef& shown : shownLabels()) {
        expectLook(shown, 14, kBlack, 13 * tk::TextLength(shown.caption()));
    }
    EXPECT_EQ(arranged(), instruction());
    clickWord(word("boys"));
    EXPECT_EQ(arranged(), " boys") << "clicks count from the new sentence";
}

TEST_F(PlayTest, TheInstructionIsGreyAfterTheProgramsFirstStart) {
    // Its one line is asked at the first drawing: a start each.
    const common::PageLists page = fakePage({{"Thank you.", "谢谢。"}});
    open(page);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(arranged(), instruction());
    EXPECT_EQ(arrangedLine().textColor(), kBlack);
    arrange({"you."});
    next();
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(arranged(), instruction());
    EXPECT_EQ(arrangedLine().textColor(), kGrey);

    // The counter outlives the window: the next one starts grey.
    open(page);
    EXPECT_EQ(starts, 3);
    EXPECT_EQ(arrangedLine().textColor(), kGrey);
}

// Lines that are not asked are drawn again, and every drawing counts as a
// start.
TEST_F(PlayTest, LinesOfOneOrTenWordsAreDrawnAgainAndCountAsStarts) {
    const std::string ten = "one two three four five six seven eight nine ten";
    open(fakePage({{"boy", "男孩"}, {ten, "十"}, {"$", "$"}, {"Thank you.", "谢谢。"}}));
    EXPECT_EQ(shownWords().size(), 2u);
    EXPECT_EQ(captionOf(translation()), "谢谢。");
    EXPECT_GE(starts, 1);
    EXPECT_EQ(arrangedLine().textColor(), starts > 1 ? kGrey : kBlack);
}

// Lists without a sentence to ask: the window opens without a question and
// its buttons read nothing outside the lists.
TEST_F(OrderingTest, ListsWithoutASentenceToAskLeaveTheWindowWithoutAQuestion) {
    struct Case {
        const char* what;
        common::PageLists lists;
    };
    const Case cases[] = {
        {"empty lists", {}},
        {"no line of 2 to 9 words", fakePage({{"boy", "男孩"}, {"$", "$"}})},
        {"a clip fewer than lines", fakePage({{"Thank you.", "谢谢。"}, {"Hi, Ben!", "你好"}}, 1)},
        {"a Chinese line fewer",
         [] {
             common::PageLists lists = fakePage({{"Thank you.", "谢谢。"}, {"Hi, Ben!", "你好"}});
             lists.chinese.pop_back();
             return lists;
         }()},
    };
    for (const Case& c : cases) {
        starts = 0;
        ground.sound.forget();
        open(c.lists);
        EXPECT_EQ(starts, 1) << c.what;
        EXPECT_TRUE(shownLabels().empty()) << c.what;
        EXPECT_FALSE(translation().visible()) << c.what;
        EXPECT_TRUE(translationBoxHidden()) << c.what;
        EXPECT_TRUE(ground.sound.played().empty()) << c.what;
        EXPECT_EQ(arranged(), instruction()) << c.what;

        listenAgain();
        answer();
        ok();
        redo();
        next();
        EXPECT_TRUE(ground.sound.played().empty()) << c.what;
        EXPECT_TRUE(ground.clock.delays().empty()) << c.what;
        EXPECT_TRUE(shownLabels().empty()) << c.what;
        EXPECT_EQ(starts, 2) << c.what;
        EXPECT_EQ(arranged(), instruction()) << c.what;
        EXPECT_EQ(arrangedLine().textColor(), kGrey) << c.what;
    }
}

} // namespace
