// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The spelling game's reckoning over plain data: which words the row can
// take, taking the next word, scattering its letters, the judgement and the
// summary texts.
#include "catalogue.h"
#include "games/spelling/spelling_logic.h"
#include "lists.h"
#include "random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using tk::operator""_gbk;

namespace {

// A draw that answers from a script, one number per call.
spelling::Draw scripted(std::vector<int> answers) {
    auto next = std::make_shared<std::size_t>(0);
    return [answers = std::move(answers), next](int, int) {
        const int answer = answers[std::min(*next, answers.size() - 1)];
        ++*next;
        return answer;
    };
}

spelling::Draw seeded() {
    return [](int min, int max) { return tk::RandomInt(min, max); };
}

bool isPermutation(tk::Text a, tk::Text b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

TEST(SpellingLogic, ScatterFillsTheCellsFromTheRightWithTheLettersDrawn) {
    struct Case {
        const char* word;
        spelling::Draw draw;
        const char* cells; // cell 1 first
    };
    const Case cases[] = {
        // Always the first letter left: cell L gets the first letter.
        {"boy", [](int, int) { return 1; }, "yob"},
        // Always the last letter left: the word as it is.
        {"boy", [](int min, int max) { return std::max(min, max); }, "boy"},
        // "teacher": the 4th left (c) to cell 7, the 1st (t) to cell 6, the
        // 5th (r) to cell 5, the 2nd (a) to cell 4, then e, e and h.
        {"teacher", scripted({4, 1, 5, 2, 1, 2, 1}), "heeartc"},
        {"a", [](int, int) { return 1; }, "a"},
        {"", [](int, int) { return 1; }, ""},
        // Capitals are letters like the others.
        {"China", [](int, int) { return 1; }, "anihC"},
        // Draws outside the letters left take the nearest end.
        {"zoo", [](int, int) { return 0; }, "ooz"},
        {"zoo", [](int, int) { return 99; }, "zoo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spelling::scatter(c.word, c.draw), c.cells) << c.word;
    }
}

// Every word of the book scatters into a permutation of itself, and the
// same seed gives the same row again.
TEST(SpellingLogic, ScatterIsAPermutationOfEveryWordAndAFixedSeedReplaysIt) {
    content::loadBook();
    int words = 0;
    int moved = 0;
    for (int unit = 1; unit <= 6; ++unit) {
        const DealtLists lists = dealLines(content::wordList(unit));
        for (const tk::Text& word : lists.english) {
            for (unsigned seed : {1u, 77u, 4242u}) {
                tk::SeedRandom(seed);
                const tk::Text cells = spelling::scatter(word, seeded());
                EXPECT_EQ(cells.size(), word.size()) << word;
                EXPECT_TRUE(isPermutation(cells, word)) << word << " -> " << cells;
                tk::SeedRandom(seed);
                EXPECT_EQ(spelling::scatter(word, seeded()), cells) << word << " seed " << seed;
                moved += cells != word ? 1 : 0;
            }
            ++words;
        }
    }
    EXPECT_EQ(words, 72);
    EXPECT_GT(moved, 0) << "no word was ever scattered";
}

// Over many seeds every letter of a word reaches every cell.
TEST(SpellingLogic, ScatterPutsEachLetterInEveryCell) {
    const tk::Text word = "monkey";
    std::vector<std::string> seenIn(word.size());
    for (unsigned seed = 1; seed <= 400; ++seed) {
        tk::SeedRandom(seed);
        const tk::Text cells = spelling::scatter(word, seeded());
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (seenIn[c].find(cells[c]) == std::string::npos) {
                seenIn[c] += cells[c];
            }
        }
    }
    for (std::size_t c = 0; c < word.size(); ++c) {
        EXPECT_TRUE(isPermutation(seenIn[c], word)) << "cell " << c + 1 << " saw " << seenIn[c];
    }
}

TEST(SpellingLogic, TheRowTakesWordsOfOneToFifteenPrintableCharacters) {
    struct Case {
        tk::Text word;
        bool fits;
    };
    const Case cases[] = {
        {"", false},
        {"a", true},
        {"he", true},
        {"grandmother", true},
        {"abcdefghijklmno", true},
        {"abcdefghijklmnop", false},
        {"China", true},
        {"ice-cream", true},
        {"ice cream", false},
        {" boy", false},
        {"boy\r", false},
        {"男孩"_gbk, false},
        {"caf\xE9", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spelling::fitsTheRow(c.word), c.fits) << c.word;
    }
    EXPECT_EQ(spelling::askableWords({"boy", "", "abcdefghijklmnop", "girl", "男孩"_gbk, "he"}),
              (std::vector<int>{1, 4, 6}));
    EXPECT_EQ(spelling::askableWords({}), std::vector<int>{});
}

TEST(SpellingLogic, TakingAWordRemovesItAndKeepsTheOrderOfTheRest) {
    struct Case {
        std::vector<int> remaining;
        int r;
        int taken;
        std::vector<int> after;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, 1, 1, {2, 3, 4}},
        {{1, 2, 3, 4}, 4, 4, {1, 2, 3}},
        {{2, 5, 9}, 2, 5, {2, 9}},
        {{7}, 1, 7, {}},
        {{}, 1, 0, {}},
        {{1, 2}, 0, 0, {1, 2}},
        {{1, 2}, 3, 0, {1, 2}},
    };
    for (const Case& c : cases) {
        std::vector<int> remaining = c.remaining;
        EXPECT_EQ(spelling::takeWord(remaining, c.r), c.taken) << c.r;
        EXPECT_EQ(remaining, c.after) << c.r;
    }
}

TEST(SpellingLogic, ItemsOutsideTheirListsAreEmpty) {
    const tk::TextArray words = {"bird", "bear"};
    EXPECT_EQ(spelling::textAt(words, 1), "bird");
    EXPECT_EQ(spelling::textAt(words, 2), "bear");
    EXPECT_EQ(spelling::textAt(words, 3), "");
    EXPECT_EQ(spelling::textAt(words, 0), "");
    static const std::uint8_t bytes[] = {1, 2, 3};
    const tk::ClipList clips = {{bytes, 3}};
    EXPECT_EQ(spelling::clipAt(clips, 1), (tk::Clip{bytes, 3}));
    // Unit 3's twelfth word has no clip.
    EXPECT_TRUE(spelling::clipAt(clips, 2).empty());
    EXPECT_TRUE(spelling::clipAt({}, 1).empty());
}

TEST(SpellingLogic, ASpellingIsRightOnlyWhenItIsTheWordByteForByte) {
    struct Case {
        tk::Text result;
        tk::Text word;
        bool right;
    };
    const Case cases[] = {
        {"tiger", "tiger", true},
        {"China", "China", true},
        {"china", "China", false},
        {"hinaC", "China", false},
        {"CHINA", "China", false},
        {"tigre", "tiger", false},
        {"tige", "tiger", false},
        {"tigerr", "tiger", false},
        // 答案 half-way: the word shown, then the letters clicked after it.
        {"tigerger", "tiger", false},
        {"", "tiger", false},
        {"apple", "apple", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spelling::isSpelledRight(c.result, c.word), c.right) << c.result;
    }
}

TEST(SpellingLogic, TheSummaryCountsWordsAndMissesAndEndsByThem) {
    struct Case {
        int words;
        int misses;
        const char* text; // UTF-8
    };
    const Case cases[] = {
        {15, 0, "本课共15个单词,错误0个。继续保持哦！"},
        {12, 3, "本课共12个单词,错误3个。继续努力哦！"},
        {9, 9, "本课共9个单词,错误9个。继续努力哦！"},
        {12, 1, "本课共12个单词,错误1个。继续努力哦！"},
        // Misses left by a game that was left before its summary count too.
        {9, 14, "本课共9个单词,错误14个。继续努力哦！"},
        {0, 0, "本课共0个单词,错误0个。继续保持哦！"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spelling::summaryText(c.words, c.misses), tk::toGbk(c.text)) << c.text;
    }
    // The comma is ASCII.
    EXPECT_NE(spelling::summaryText(1, 1).find("单词,"_gbk), tk::Text::npos);
}

} // namespace
