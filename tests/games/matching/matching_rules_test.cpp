// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The matching game's rules over plain data: cells and the cell under a
// point, tile text lines, notes, the words of a board, the deal, pairs, the
// time bar's step and the messages at the end of a board.
#include "games/matching/matching_rules.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using tk::operator""_gbk;

namespace {

using matching::Area;
using matching::cellUnder;

TEST(MatchingRules, CellsLieEightToARowFromTheirCorners) {
    struct Case {
        int cell;
        tk::Rect rect;
    };
    const Case cases[] = {
        {1, {89, 80, 79, 69}},
        {2, {168, 80, 79, 69}},
        {8, {642, 80, 79, 69}},
        {9, {89, 149, 79, 69}},
        {20, {326, 218, 79, 69}},
        {29, {405, 287, 79, 69}},
        {41, {89, 425, 79, 69}},
        {48, {642, 425, 79, 69}},
        // No cell, no rectangle.
        {0, {}},
        {49, {}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matching::cellRect(c.cell), c.rect) << c.cell;
    }
}

TEST(MatchingRules, TheCellUnderAPointIsTheOneWhoseRectangleHoldsIt) {
    for (int cell = 1; cell <= matching::kCells; ++cell) {
        const tk::Rect r = matching::cellRect(cell);
        // Its inner corners; the board's outer edges are left out below.
        for (const auto& [x, y] : {std::pair{r.left + 1, r.top + 1},
                                   std::pair{r.left + r.width - 1, r.top + r.height - 1}}) {
            EXPECT_EQ(cellUnder(x, y, Area::Hover), cell) << x << "," << y;
            if (x < 711) {
                EXPECT_EQ(cellUnder(x, y, Area::Click), cell) << x << "," << y;
            }
        }
    }
}

TEST(MatchingRules, OnlyPointsInsideTheBoardCount) {
    struct Case {
        int x;
        int y;
        int hover; // cell, 0: none
        int click;
    };
    const Case cases[] = {
        {90, 81, 1, 1},
        {89, 100, 0, 0}, // the left edge itself is out
        {168, 100, 2, 2},
        {100, 80, 0, 0}, // and the top edge
        {100, 149, 9, 9},
        {100, 493, 41, 41},
        {100, 494, 0, 0},
        {710, 100, 8, 8},
        // The last 10 pixels of the last column frame, but take no clicks.
        {711, 100, 8, 0},
        {720, 493, 48, 0},
        {721, 100, 0, 0},
        {400, 30, 0, 0}, // the time bar's height
        {400, 560, 0, 0},
        {-5, -5, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cellUnder(c.x, c.y, Area::Hover), c.hover) << c.x << "," << c.y;
        EXPECT_EQ(cellUnder(c.x, c.y, Area::Click), c.click) << c.x << "," << c.y;
    }
}

TEST(MatchingRules, TileTextIsCentredOrCutIntoEightByteLinesByItsWidth) {
    using Lines = std::vector<matching::TileLine>;
    struct Case {
        tk::Text text;
        int width;
        Lines lines;
    };
    const tk::Text grand = "grandmother";
    const tk::Text long40 = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
    const Case cases[] = {
        {"boy", 30, {{24, 30, "boy"}}},
        {"boy", 31, {{24, 30, "boy"}}}, // (79 - 31) / 2
        {"teacher", 57, {{11, 30, "teacher"}}},
        // On a boundary, the layout with fewer lines.
        {"teacher", 58, {{10, 30, "teacher"}}},
        {grand, 59, {{4, 30, "grandmot"}, {4, 50, "her"}}},
        {grand, 116, {{4, 30, "grandmot"}, {4, 50, "her"}}},
        {"祖母；外祖母"_gbk, 114, {{4, 30, "祖母；外"_gbk}, {4, 50, "祖母"_gbk}}},
        {long40, 117, {{4, 10, "abcdefgh"}, {4, 30, "ijklmnop"}, {4, 50, "qrstuvwx"}}},
        {long40, 172, {{4, 10, "abcdefgh"}, {4, 30, "ijklmnop"}, {4, 50, "qrstuvwx"}}},
        // Four lines at most: bytes past 32 are not shown.
        {long40,
         173,
         {{4, 10, "abcdefgh"}, {4, 30, "ijklmnop"}, {4, 50, "qrstuvwx"}, {4, 70, "yzABCDEF"}}},
        // A short text measured wide has no empty lines.
        {"ab", 200, {{4, 10, "ab"}}},
        {"", 0, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matching::tileLines(c.text, c.width), c.lines)
            << tk::toUtf8(c.text) << " " << c.width;
    }
}

TEST(MatchingRules, MeaningsAreTheTextsThatStartWithAChineseByte) {
    EXPECT_TRUE(matching::isMeaning("男孩"_gbk));
    EXPECT_TRUE(matching::isMeaning("……里"_gbk));
    EXPECT_FALSE(matching::isMeaning("boy"));
    EXPECT_FALSE(matching::isMeaning("China"));
    EXPECT_FALSE(matching::isMeaning(""));
}

// Draws that always take the first or the last of what is left.
int first(int min, int) {
    return min;
}
int last(int, int max) {
    return max;
}

tk::TextArray numbered(const char* stem, int count) {
    tk::TextArray texts;
    for (int k = 1; k <= count; ++k) {
        texts.push_back(stem + std::to_string(k));
    }
    return texts;
}

TEST(MatchingRules, TheBoardTakesTwelveOrSixWordsWithTheirMeaningsAsTheUnitHasThem) {
    struct Case {
        int words;
        int meanings;
        matching::Draw draw;
        std::vector<int> chosen; // word numbers, in board order; empty: the current ones stay
    };
    const Case cases[] = {
        {12, 12, last, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {15, 15, first, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {15, 15, last, {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4}},
        {13, 13, last, {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}},
        {11, 11, last, {11, 10, 9, 8, 7, 6}},
        {9, 9, first, {1, 2, 3, 4, 5, 6}},
        {9, 9, last, {9, 8, 7, 6, 5, 4}},
        {6, 6, last, {1, 2, 3, 4, 5, 6}},
        {5, 5, first, {}},
        {0, 0, first, {}},
        // Only words with a meaning count.
        {13, 12, last, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {12, 5, first, {}},
    };
    const matching::BoardWords current{{"old"}, {"旧"_gbk}};
    for (const Case& c : cases) {
        const matching::BoardWords chosen = matching::chooseBoardWords(
            numbered("w", c.words), numbered("m", c.meanings), current, c.draw);
        matching::BoardWords expected = current;
        if (!c.chosen.empty()) {
            expected = {};
            for (const int k : c.chosen) {
                expected.words.push_back("w" + std::to_string(k));
                expected.meanings.push_back("m" + std::to_string(k));
            }
        }
        EXPECT_EQ(chosen.words, expected.words) << c.words << " words";
        EXPECT_EQ(chosen.meanings, expected.meanings) << c.words << " words";
    }
}

TEST(MatchingRules, ADrawOutsideWhatIsLeftStillTakesAWordNotYetChosen) {
    const auto wild = [](int, int max) { return max + 7; };
    const matching::BoardWords chosen =
        matching::chooseBoardWords(numbered("w", 9), numbered("m", 9), {}, wild);
    tk::TextArray words = chosen.words;
    std::sort(words.begin(), words.end());
    EXPECT_EQ(std::unique(words.begin(), words.end()), words.end());
    EXPECT_EQ(words.size(), 6u);
}

std::map<int, int> countTiles(const std::array<int, matching::kCells>& tiles) {
    std::map<int, int> counts;
    for (const int tile : tiles) {
        ++counts[tile];
    }
    return counts;
}

TEST(MatchingRules, EveryDealHoldsTwentyFourWordTilesAndTwentyFourMeaningTiles) {
    struct Case {
        int n;
        int copies;
    };
    for (const Case c : {Case{12, 2}, Case{6, 4}}) {
        for (const matching::Draw& draw : {matching::Draw(first), matching::Draw(last)}) {
            std::map<int, int> expected;
            for (int tile = 1; tile <= 2 * c.n; ++tile) {
                expected[tile] = c.copies;
            }
            EXPECT_EQ(countTiles(matching::dealTiles(c.n, draw)), expected) << c.n;
        }
    }
    // The pool is laid out word by word, each word's tiles before its meaning's.
    const auto inOrder = matching::dealTiles(6, first);
    EXPECT_EQ(std::vector<int>(inOrder.begin(), inOrder.begin() + 9),
              (std::vector<int>{1, 1, 1, 1, 7, 7, 7, 7, 2}));
}

TEST(MatchingRules, ABoardOfNoWordsHasNoTiles) {
    EXPECT_EQ(countTiles(matching::dealTiles(0, first)), (std::map<int, int>{{0, 48}}));
}

TEST(MatchingRules, AWordPairsWithItsOwnMeaningOnly) {
    struct Case {
        int tile;
        int other;
        int n;
        bool pair;
    };
    const Case cases[] = {
        {3, 15, 12, true},   {15, 3, 12, true}, {3, 16, 12, false}, {3, 4, 12, false},
        {15, 16, 12, false}, {3, 3, 12, false}, {2, 8, 6, true},    {8, 2, 6, true},
        {2, 9, 6, false},    {2, 14, 6, false}, {0, 12, 12, false}, {0, 0, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matching::isPair(c.tile, c.other, c.n), c.pair)
            << c.tile << " and " << c.other << " of " << c.n;
    }
}

TEST(MatchingRules, TheTimeBarStepsByDifficulty) {
    struct Case {
        int difficulty;
        int interval;
    };
    for (const Case c : {Case{1, 750}, Case{2, 500}, Case{3, 250}, Case{-1, 750}, Case{0, 750}}) {
        EXPECT_EQ(matching::stepInterval(c.difficulty), c.interval) << c.difficulty;
    }
}

TEST(MatchingRules, TheMessagesAtTheEndOfABoard) {
    struct Case {
        matching::BoardEnd end;
        const char* text; // UTF-8
    };
    const Case cases[] = {
        {matching::BoardEnd::Won, "你太棒了！冲关成功！可以挑战更高级别哦！"},
        {matching::BoardEnd::Lost, "很遗憾时间到！冲关失败！继续努力哦！"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matching::endMessage(c.end), tk::toGbk(c.text)) << c.text;
    }
}

} // namespace
