// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The word-finding windows on real widgets and the hand-driven clock: both
// tables, questions written on the box, judging clicks, skipping, the
// one-minute countdown, the end of a game, lesson changes, the flowers and
// reopening.
#include "draw_panel.h"
#include "finding_fixture.h"

#include <QComboBox>
#include <algorithm>
#include <gtest/gtest.h>

using tk::operator""_gbk;

namespace {

using finding::Direction;
using finding_tests::FindingTest;
using tk::Kind;

constexpr Direction kBoth[] = {Direction::ChineseToEnglish, Direction::EnglishToChinese};

TEST_F(FindingTest, BothWindowsAreOneDesignWithTheirOwnPlaces) {
    struct Row {
        const char* name;
        Kind kind;
        tk::Rect chineseToEnglish;
        tk::Rect englishToChinese;
    };
    const Row rows[] = {
        {"动画框", Kind::CartoonBox, {0, 0, 800, 600}, {0, 0, 800, 600}},
        {"动画物体_鲜花1", Kind::CartoonObject, {4, 4, 96, 124}, {684, 4, 96, 124}},
        {"透明标签_剩余时间", Kind::TransLabel, {168, 528, 112, 40}, {168, 528, 112, 40}},
        {"超级按钮_下一题", Kind::SuperBtn, {480, 536, 72, 32}, {480, 532, 72, 32}},
        {"超级按钮_退出", Kind::SuperBtn, {604, 528, 40, 40}, {628, 528, 40, 40}},
        {"组合框_背单词课时选择", Kind::ComboBox, {339, 537, 96, 24}, {347, 532, 96, 24}},
    };
    for (const Direction direction : kBoth) {
        open(direction);
        const bool c2e = direction == Direction::ChineseToEnglish;
        for (const Row& row : rows) {
            const tk::UnitRef u = unit(row.name);
            EXPECT_EQ(u.kind(), row.kind) << row.name;
            EXPECT_EQ((tk::Rect{u.left(), u.top(), u.width(), u.height()}),
                      c2e ? row.chineseToEnglish : row.englishToChinese)
                << row.name;
        }
        EXPECT_EQ(window->pos(), c2e ? QPoint(50, 50) : QPoint(0, 0));
        EXPECT_EQ(window->size(), QSize(800, 600));
        EXPECT_FALSE(unit(finding::kFlower).visible());
        EXPECT_EQ(caption(finding::kTimeLeft), "剩余秒：");
        EXPECT_EQ(unit(finding::kTimeLeft).font().size, 15);
        EXPECT_EQ(unit(finding::kTimeLeft).textColor(), tk::Rgb(255, 255, 255));
        EXPECT_EQ(caption(finding::kNext), "下一题");
        EXPECT_TRUE(unit(finding::kNext).disabled());
        EXPECT_FALSE(unit(finding::kLessonList).disabled());
        EXPECT_EQ(unit(finding::kTimer).interval(), 0);
        const auto* lessons = qobject_cast<QComboBox*>(unit(finding::kLessonList).widget());
        ASSERT_NE(lessons, nullptr);
        ASSERT_EQ(lessons->count(), 6);
        EXPECT_EQ(lessons->currentIndex(), 0);
        EXPECT_EQ(lessons->itemText(5), "Unit 6");
        EXPECT_EQ(tk::ItemData(unit(finding::kLessonList), 5), 6);
    }
}

// The columns where the canvas differs from the background in a band of rows.
std::pair<int, int> inkedColumns(const QImage& canvas, const QImage& background, int top,
                                 int bottom, int from, int to) {
    int first = -1;
    int last = -1;
    for (int x = from; x < to; ++x) {
        for (int y = top; y < bottom; ++y) {
            if (canvas.pixel(x, y) != background.pixel(x, y)) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

TEST_F(FindingTest, TheQuestionIsWrittenCentredOnTheNoteAndTheFourCards) {
    const QImage background =
        tk::LoadPicture(content::picture(content::PictureRole::FindingBackground))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (const Direction direction : kBoth) {
        open(direction);
        const QImage canvas = qobject_cast<tk::DrawPanel*>(box().widget())
                                  ->canvas()
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(box().font().size, 20);
        struct Place {
            finding::Place place;
            int from;
            int to;
        };
        std::vector<Place> places = {{finding::kNotePlace, 0, 300}};
        for (int slot = 1; slot <= 4; ++slot) {
            const finding::Place p = finding::slotPlace(slot);
            places.push_back({p, p.centreX - 110, p.centreX + 110});
        }
        for (const Place& p : places) {
            const auto [first, last] = inkedColumns(canvas, background, p.place.textTop,
                                                    p.place.textTop + 30, p.from, p.to);
            ASSERT_GE(first, 0) << "nothing written at " << p.place.centreX;
            EXPECT_NEAR((first + last) / 2.0, p.place.centreX, 3.0);
        }
        EXPECT_EQ(game->question.note, direction == Direction::ChineseToEnglish
                                           ? game->question.askedMeaning
                                           : game->question.askedWord);
    }
}

TEST_F(FindingTest, ARightCardCheersAndReleasesFiveFlowersFromTheClickPoint) {
    open(Direction::ChineseToEnglish);
    const QPoint at = onCard(game->question.answerSlot);
    clickAt(at);
    EXPECT_EQ(ground.sound.played(), std::vector<tk::Clip>{effect(content::Effect::Cheer)});
    EXPECT_EQ(game->rightCount, 1);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(tk::ObjectCount(box()), 5);
    for (int id = 1; id <= 5; ++id) {
        EXPECT_EQ(tk::ObjectPosition(box(), id), QPointF(at)) << id;
        EXPECT_TRUE(qobject_cast<tk::CartoonBox*>(box().widget())->isMoving(id)) << id;
    }
    // A new question follows at once, and the countdown has begun.
    EXPECT_EQ(unit(finding::kTimer).interval(), 1000);
    EXPECT_FALSE(unit(finding::kNext).disabled());
}

TEST_F(FindingTest, AnythingButTheRightCardBuzzesAndIsRecordedAsAMiss) {
    open(Direction::EnglishToChinese);
    const QPoint nowhere[] = {{150, 260}, {570, 150}, {460, 270}, {10, 10}};
    std::vector<tk::Text> expected;
    for (const QPoint at : nowhere) {
        expected.push_back(game->question.askedWord);
        expected.push_back(game->question.askedMeaning);
        clickAt(at);
    }
    expected.push_back(game->question.askedWord);
    expected.push_back(game->question.askedMeaning);
    answerWrongCard();
    EXPECT_EQ(errors, expected);
    EXPECT_EQ(game->rightCount, 0);
    EXPECT_EQ(tk::ObjectCount(box()), 0);
    const std::vector<tk::Clip> played = ground.sound.played();
    ASSERT_EQ(played.size(), 5U);
    for (const tk::Clip& clip : played) {
        EXPECT_TRUE(clip == effect(content::Effect::Buzz1) ||
                    clip == effect(content::Effect::Buzz2));
    }
    EXPECT_EQ(ground.sound.stops(), 0) << "quick clicks overlap their sounds";
}

TEST_F(FindingTest, SkippingIsASilentMiss) {
    open(Direction::ChineseToEnglish);
    const finding::Question firstAsked = game->question;
    testing_ground::click(unit(finding::kNext));
    EXPECT_TRUE(errors.empty()) << "the button is disabled until the first click";
    clickAt({10, 10});
    const finding::Question asked = game->question;
    ground.sound.forget();
    testing_ground::click(unit(finding::kNext));
    EXPECT_EQ(errors.size(), 4U);
    EXPECT_EQ(errors[2], asked.askedWord);
    EXPECT_EQ(errors[3], asked.askedMeaning);
    EXPECT_EQ(errors[0], firstAsked.askedWord);
    EXPECT_TRUE(ground.sound.played().empty());
}

TEST_F(FindingTest, AGameEndsOnTheSixtiethTickHoweverFastTheClicksCome) {
    open(Direction::ChineseToEnglish);
    answerRight();
    wait(999);
    EXPECT_EQ(caption(finding::kTimeLeft), "剩余秒：") << "the label changes at the first tick";
    wait(1);
    EXPECT_EQ(caption(finding::kTimeLeft), "剩余秒；59");
    EXPECT_TRUE(unit(finding::kLessonList).disabled());
    int rights = 1;
    for (int ms = 1000; ms < 59'750; ms += 250) {
        answerRight();
        ++rights;
        wait(250);
    }
    EXPECT_EQ(caption(finding::kTimeLeft), "剩余秒；1");
    EXPECT_EQ(messageCount(), 0);
    wait(249);
    EXPECT_EQ(messageCount(), 0);
    wait(1);
    ASSERT_EQ(messageCount(), 1);
    EXPECT_EQ(lastMessage().content, "太棒了！你竟然全对了，继续保持哦！");
    EXPECT_EQ(lastMessage().caption, "信息：");
    EXPECT_EQ(lastMessage().flags, tk::kOkOnly);
    EXPECT_GT(rights, 200);
    EXPECT_EQ(game->rightCount, 0);
    EXPECT_EQ(caption(finding::kTimeLeft), "剩余秒；1");
    EXPECT_EQ(unit(finding::kTimer).interval(), 0);
    EXPECT_TRUE(unit(finding::kNext).disabled());
    EXPECT_FALSE(unit(finding::kLessonList).disabled());
    wait(5000);
    EXPECT_EQ(messageCount(), 1);
}

TEST_F(FindingTest, MissesEndTheGameWithTheirCountAndTheReport) {
    open(Direction::ChineseToEnglish);
    answerRight();
    answerRight();
    answerRight();
    const tk::Text missed = game->question.askedWord;
    clickAt({150, 260});
    testing_ground::click(unit(finding::kNext));
    wait(60'000);
    ASSERT_EQ(messageCount(), 1);
    EXPECT_EQ(lastMessage().content, "一分钟内你正确3个。\r\n错误2个。继续努力哦！错误情况如下：");
    EXPECT_EQ(lastMessage().caption, "错误情况");
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_NE(reports[0].find(tk::toUtf8(missed)), std::string::npos) << reports[0];
    EXPECT_TRUE(errors.empty()) << "the report empties the list";

    // The last question stays; clicking it starts and counts in the next game.
    answerRight();
    EXPECT_EQ(game->rightCount, 1);
    wait(60'000);
    ASSERT_EQ(messageCount(), 2);
    EXPECT_EQ(lastMessage().content, "太棒了！你竟然全对了，继续保持哦！");
}

TEST_F(FindingTest, ALessonChangeStartsAGameThatEndsAllCorrectWithoutAClick) {
    for (const Direction direction : kBoth) {
        open(direction);
        errors = {"old", "旧的"_gbk};
        testing_ground::pick(unit(finding::kLessonList), 3);
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(unit(finding::kTimer).interval(), 1000);
        EXPECT_FALSE(unit(finding::kNext).disabled());
        const tk::TextArray& unit4 = game->words;
        EXPECT_NE(std::find(unit4.begin(), unit4.end(), game->question.askedWord), unit4.end());
        const int before = messageCount();
        wait(59'999);
        EXPECT_EQ(messageCount(), before);
        wait(1);
        ASSERT_EQ(messageCount(), before + 1);
        EXPECT_EQ(lastMessage().content, "太棒了！你竟然全对了，继续保持哦！");
        EXPECT_EQ(lastMessage().caption, direction == Direction::ChineseToEnglish ? "信息：" : "");
        EXPECT_TRUE(reports.empty());
    }
}

TEST_F(FindingTest, ALessonChangeInTheFirstSecondGivesTheNewGameAFullMinute) {
    open(Direction::ChineseToEnglish);
    answerRight();
    wait(600);
    testing_ground::pick(unit(finding::kLessonList), 1);
    wait(59'999);
    EXPECT_EQ(messageCount(), 0);
    wait(1);
    EXPECT_EQ(messageCount(), 1);
}

TEST_F(FindingTest, FlowersKeepFlyingOverAClearedBox) {
    open(Direction::ChineseToEnglish);
    answerRight();
    auto* sprites = qobject_cast<tk::CartoonBox*>(box().widget());
    wait(300);
    const QPointF risen = *tk::ObjectPosition(box(), 5);
    testing_ground::click(unit(finding::kNext)); // clears the whole box
    answerWrongCard();
    for (int id = 1; id <= 5; ++id) {
        EXPECT_TRUE(sprites->isMoving(id)) << id;
    }
    wait(300);
    EXPECT_LT(tk::ObjectPosition(box(), 5)->y(), risen.y()) << "the middle flower still rises";
    // Every flight ends below the box, and the flowers stay there.
    wait(20'000);
    for (int id = 1; id <= 5; ++id) {
        EXPECT_FALSE(sprites->isMoving(id)) << id;
        EXPECT_GT(tk::ObjectPosition(box(), id)->y(), 600.0) << id;
    }
    EXPECT_EQ(tk::ObjectCount(box()), 5);
}

TEST_F(FindingTest, ADifferentNumberOfWordsAndMeaningsIsSaidAndTheGameGoesOn) {
    game = std::make_shared<finding::FindingGame>(Direction::ChineseToEnglish, errors);
    static const tk::Text uneven = tk::toGbk("cap\r\n帽子\r\nmum");
    game->wordList = [](int) { return std::string_view(uneven); };
    window = tk::CreateWindow(finding::findingWindow(game));
    ASSERT_EQ(messageCount(), 1);
    EXPECT_EQ(lastMessage().content, "汉语和英语不同");
    EXPECT_EQ(lastMessage().caption, "信息：");
    EXPECT_NE(game->question.answerSlot, 0);
    clickAt({10, 10});
    EXPECT_EQ(errors.size(), 2U);
}

TEST_F(FindingTest, ALessonWithoutWordsAsksNothingAndRecordsNothing) {
    game = std::make_shared<finding::FindingGame>(Direction::EnglishToChinese, errors);
    game->wordList = [](int) { return std::string_view(); };
    window = tk::CreateWindow(finding::findingWindow(game));
    EXPECT_EQ(game->question.answerSlot, 0);
    clickAt(onCard(1));
    testing_ground::click(unit(finding::kNext));
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(ground.sound.played().empty());
    wait(60'000);
    ASSERT_EQ(messageCount(), 1);
    EXPECT_EQ(lastMessage().content, "太棒了！你竟然全对了，继续保持哦！");
}

TEST_F(FindingTest, ReopeningAWindowClosedMidGameGivesAFullMinute) {
    tk::WindowDef readerTable;
    readerTable.name = "阅读窗口";
    const std::unique_ptr<tk::Window> reader = tk::CreateWindow(readerTable);
    readReports();
    errors = {"kept", "留着"_gbk};
    std::vector<std::string> labels;
    ground.platform.insideNextWindow.push_front([&](tk::Window& w) {
        EXPECT_TRUE(errors.empty()) << "opening empties the list";
        testing_ground::clickAt(w, {10, 10});
        ground.clock.advance(30'000);
        labels.push_back(testing_ground::captionOf(w.unit(finding::kTimeLeft)));
        testing_ground::click(w.unit(finding::kExit));
    });
    finding::openChineseToEnglish(*reader, errors);
    EXPECT_EQ(errors.size(), 2U) << "closing keeps the list";
    ground.clock.advance(60'000);
    EXPECT_EQ(messageCount(), 0) << "the closed window's countdown is gone";

    ground.platform.insideNextWindow.push_front([&](tk::Window& w) {
        labels.push_back(testing_ground::captionOf(w.unit(finding::kTimeLeft)));
        testing_ground::clickAt(w, {10, 10});
        ground.clock.advance(59'999);
        labels.push_back(std::to_string(messageCount()));
        ground.clock.advance(1);
        labels.push_back(std::to_string(messageCount()));
        testing_ground::click(w.unit(finding::kExit));
    });
    finding::openChineseToEnglish(*reader, errors);
    EXPECT_EQ(labels, (std::vector<std::string>{"剩余秒；30", "剩余秒：", "0", "1"}));
    EXPECT_EQ(lastMessage().caption, "错误情况");
    EXPECT_EQ(reports.size(), 1U);
}

} // namespace
