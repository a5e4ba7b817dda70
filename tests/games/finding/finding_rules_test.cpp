// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The word-finding games' rules as plain functions: the cards' click areas,
// centring, drawing a question, and what the games say.
#include "games/finding/finding_rules.h"

#include <deque>
#include <gtest/gtest.h>

namespace {

using finding::Direction;
using tk::operator""_gbk;

TEST(FindingRules, ClicksCountOnACardOnlyInsideItsOpenArea) {
    struct Case {
        int x;
        int y;
        int slot;
    };
    const Case cases[] = {
        {460, 150, 1},
        {680, 150, 2},
        {460, 360, 3},
        {680, 360, 4},
        // The edges belong to no card.
        {370, 150, 0},
        {371, 150, 1},
        {549, 249, 1},
        {550, 150, 0},
        {460, 84, 0},
        {460, 250, 0},
        {590, 100, 0},
        {591, 85, 2},
        {769, 249, 2},
        {770, 200, 0},
        {371, 291, 3},
        {460, 290, 0},
        {460, 450, 0},
        {549, 449, 3},
        {769, 449, 4},
        {680, 450, 0},
        // The note, the gap between the cards, the margins.
        {150, 260, 0},
        {570, 150, 0},
        {460, 270, 0},
        {10, 10, 0},
        {790, 590, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(finding::slotUnder(c.x, c.y), c.slot) << c.x << "," << c.y;
    }
}

TEST(FindingRules, TextsAreCentredOnTheirLineTruncatingTheHalfPixel) {
    struct Case {
        int centre;
        int width;
        int left;
    };
    const Case cases[] = {
        {150, 40, 130}, {150, 41, 129}, {460, 0, 460}, {150, 300, 0}, {150, 301, 0}, {150, 303, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(finding::centredLeft(c.centre, c.width), c.left) << c.centre << " " << c.width;
    }
    EXPECT_EQ(finding::slotPlace(1).centreX, 460);
    EXPECT_EQ(finding::slotPlace(4).textTop, 360);
    EXPECT_EQ(finding::slotPlace(5).centreX, 0);
}

// Draws answered from a script, each checked against the range it was asked.
struct ScriptedDraw {
    struct Pick {
        int min;
        int max;
        int value;
    };
    std::deque<Pick> picks;
    int operator()(int min, int max) {
        EXPECT_FALSE(picks.empty()) << "an unexpected draw " << min << ".." << max;
        if (picks.empty()) {
            return min;
        }
        const Pick p = picks.front();
        picks.pop_front();
        EXPECT_EQ(min, p.min);
        EXPECT_EQ(max, p.max);
        return p.value;
    }
};

const tk::TextArray kWords = {"where", "me", "cap", "mum", "from"};
const tk::TextArray kMeanings = {"在哪里（疑问词）"_gbk, "我（宾格）"_gbk, "帽子"_gbk, "妈妈"_gbk,
                                 "来自；从（地方）"_gbk};

TEST(FindingRules, AQuestionIsTheEntryTheAnswersCardAndThreeOthersInCardOrder) {
    struct Case {
        Direction direction;
        std::deque<ScriptedDraw::Pick> picks;
        finding::Question expected;
    };
    const Case cases[] = {
        // Entry 1, the answer on card 3; the pool is entries 2-5, then
        // shrinks by the one taken.
        {Direction::ChineseToEnglish,
         {{1, 5, 1}, {1, 4, 3}, {1, 4, 4}, {1, 3, 1}, {1, 2, 2}},
         {"where", "在哪里"_gbk, "在哪里"_gbk, {"from", "me", "where", "mum"}, 3}},
        // The asked meaning loses its notes; the other meanings keep theirs.
        {Direction::EnglishToChinese,
         {{1, 5, 5}, {1, 4, 1}, {1, 4, 1}, {1, 3, 1}, {1, 2, 1}},
         {"from",
          "来自；从"_gbk,
          "from",
          {"来自；从"_gbk, "在哪里（疑问词）"_gbk, "我（宾格）"_gbk, "帽子"_gbk},
          1}},
        {Direction::EnglishToChinese,
         {{1, 5, 2}, {1, 4, 4}, {1, 4, 4}, {1, 3, 3}, {1, 2, 1}},
         {"me",
          "我"_gbk,
          "me",
          {"来自；从（地方）"_gbk, "妈妈"_gbk, "在哪里（疑问词）"_gbk, "我"_gbk},
          4}},
    };
    for (const Case& c : cases) {
        ScriptedDraw draw{c.picks};
        const finding::Question q = finding::drawQuestion(
            c.direction, kWords, kMeanings, [&](int min, int max) { return draw(min, max); });
        EXPECT_EQ(q.askedWord, c.expected.askedWord);
        EXPECT_EQ(q.askedMeaning, c.expected.askedMeaning);
        EXPECT_EQ(q.note, c.expected.note);
        EXPECT_EQ(q.cards, c.expected.cards);
        EXPECT_EQ(q.answerSlot, c.expected.answerSlot);
        EXPECT_TRUE(draw.picks.empty());
    }
}

TEST(FindingRules, ShortListsLeaveCardsEmptyAndNoWordsAskNothing) {
    ScriptedDraw two{{{1, 2, 2}, {1, 4, 2}, {1, 1, 1}}};
    const finding::Question q =
        finding::drawQuestion(Direction::ChineseToEnglish, {"cap", "mum"}, {"帽子"_gbk, "妈妈"_gbk},
                              [&](int min, int max) { return two(min, max); });
    EXPECT_EQ(q.cards, (std::array<tk::Text, 4>{"cap", "mum", "", ""}));
    EXPECT_EQ(q.note, "妈妈"_gbk);

    // Fewer meanings than words: the entry without one asks an empty meaning.
    ScriptedDraw uneven{{{1, 2, 2}, {1, 4, 1}, {1, 1, 1}}};
    const finding::Question lone =
        finding::drawQuestion(Direction::EnglishToChinese, {"cap", "mum"}, {"帽子"_gbk},
                              [&](int min, int max) { return uneven(min, max); });
    EXPECT_EQ(lone.askedMeaning, "");
    EXPECT_EQ(lone.cards, (std::array<tk::Text, 4>{"", "帽子"_gbk, "", ""}));

    const finding::Question none =
        finding::drawQuestion(Direction::ChineseToEnglish, {}, {}, [](int, int) {
            ADD_FAILURE() << "nothing to draw from";
            return 1;
        });
    EXPECT_EQ(none.answerSlot, 0);
    EXPECT_EQ(none.cards, (std::array<tk::Text, 4>{}));
}

TEST(FindingRules, TheGamesSayWhatTheySayWithFullWidthPunctuation) {
    EXPECT_EQ(finding::secondsLeftCaption(59), "剩余秒；59"_gbk);
    EXPECT_EQ(finding::secondsLeftCaption(1), "剩余秒；1"_gbk);
    EXPECT_EQ(finding::missesMessage(7, 6),
              "一分钟内你正确7个。\r\n错误3个。继续努力哦！错误情况如下："_gbk);
    EXPECT_EQ(finding::missesMessage(0, 2),
              "一分钟内你正确0个。\r\n错误1个。继续努力哦！错误情况如下："_gbk);
    EXPECT_EQ(finding::allCorrectMessage(), "太棒了！你竟然全对了，继续保持哦！"_gbk);
    EXPECT_EQ(finding::allCorrectCaption(Direction::ChineseToEnglish), "信息："_gbk);
    EXPECT_EQ(finding::allCorrectCaption(Direction::EnglishToChinese), "");
}

} // namespace
