// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The drill's reckoning over plain data: status lines, missed words, the
// judging of an answer and the choice of the next word.
#include "drill/drill_logic.h"
#include "random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using tk::operator""_gbk;

namespace {

TEST(DrillLogic, StatusLinesCountMeaningsAndMisses) {
    struct Case {
        const char* unit;
        int meanings;
        int misses;
        const char* asking;   // UTF-8
        const char* finished; // UTF-8
    };
    const Case cases[] = {
        {"Unit 2", 12, 1, "Unit 2共12个单词。目前错误1个", "Unit 2共12个单词。共错误1个"},
        {"Unit 5", 9, 9, "Unit 5共9个单词。目前错误9个", "Unit 5共9个单词。共错误9个"},
        {"Unit 1", 15, 0, "Unit 1共15个单词。目前错误0个", "Unit 1共15个单词。共错误0个"},
        {"Unit 3", 12, 13, "Unit 3共12个单词。目前错误13个", "Unit 3共12个单词。共错误13个"},
        {"", 0, 0, "共0个单词。目前错误0个", "共0个单词。共错误0个"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drill::askingStatus(c.unit, c.meanings, c.misses), tk::toGbk(c.asking))
            << c.asking;
        EXPECT_EQ(drill::finishedStatus(c.unit, c.meanings, c.misses), tk::toGbk(c.finished))
            << c.finished;
    }
}

TEST(DrillLogic, MissEntriesAndTheRecordEndEveryLineWithCrLf) {
    EXPECT_EQ(drill::missEntry("teacher", "教师"_gbk), "teacher"_gbk + "教师"_gbk + "\r\n");
    EXPECT_EQ(drill::missEntry("", ""), "\r\n");

    struct Case {
        tk::TextArray misses;
        tk::Text record;
    };
    const tk::Text boy = drill::missEntry("boy", "男孩"_gbk);
    const tk::Text girl = drill::missEntry("girl", "女孩"_gbk);
    const Case cases[] = {
        {{}, ""},
        {{boy}, "boy"_gbk + "男孩"_gbk + "\r\n\r\n"},
        {{boy, girl}, "boy"_gbk + "男孩"_gbk + "\r\n\r\ngirl" + "女孩"_gbk + "\r\n\r\n"},
        // The same word missed twice is listed twice.
        {{boy, boy}, boy + "\r\n" + boy + "\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drill::missRecord(c.misses), c.record) << c.misses.size();
    }
}

TEST(DrillLogic, AnAnswerIsRightOnlyWhenItIsTheWordByteForByte) {
    struct Case {
        tk::Text answer;
        tk::Text expected;
        bool right;
    };
    const Case cases[] = {
        {"teacher", "teacher", true},
        {"Teacher", "teacher", false},
        {"TEACHER", "teacher", false},
        {"teacher ", "teacher", false},
        {" teacher", "teacher", false},
        {"teache", "teacher", false},
        {"teachers", "teacher", false},
        {"", "teacher", false},
        {"China", "China", true},
        {"china", "China", false},
        {"教师"_gbk, "教师"_gbk, true},
        // A word the list leaves empty is matched only by an empty answer.
        {"", "", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drill::isRight(c.answer, c.expected), c.right)
            << "'" << c.answer << "' for '" << c.expected << "'";
    }
}

TEST(DrillLogic, TextbookOrderAsksTheQuestionNumberAndDrawsNothing) {
    std::vector<int> unasked = drill::allWordNumbers(5);
    int draws = 0;
    const auto draw = [&draws](int, int) { return ++draws; };
    for (int question = 1; question <= 5; ++question) {
        EXPECT_EQ(drill::nextWordNumber(drill::kTextbookOrder, question, unasked, draw), question);
    }
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(unasked, drill::allWordNumbers(5));
}

TEST(DrillLogic, AnyOtherOrderTakesTheDrawnEntryOffTheUnaskedList) {
    struct Case {
        int order;
        std::vector<int> unasked;
        int r;
        int taken;
        std::vector<int> left;
    };
    const Case cases[] = {
        {drill::kRandomOrder, {1, 2, 3, 4, 5}, 1, 1, {2, 3, 4, 5}},
        {drill::kRandomOrder, {1, 2, 3, 4, 5}, 5, 5, {1, 2, 3, 4}},
        {drill::kRandomOrder, {4, 9, 2}, 2, 9, {4, 2}},
        {drill::kRandomOrder, {7}, 1, 7, {}},
        {-1, {3, 6}, 2, 6, {3}},
        {0, {3, 6}, 1, 3, {6}},
        // A draw outside the list takes nothing.
        {drill::kRandomOrder, {1, 2, 3}, 0, 0, {1, 2, 3}},
        {drill::kRandomOrder, {1, 2, 3}, 4, 0, {1, 2, 3}},
        {drill::kRandomOrder, {}, 1, 0, {}},
    };
    for (const Case& c : cases) {
        std::vector<int> unasked = c.unasked;
        std::vector<std::pair<int, int>> asked;
        const int taken = drill::nextWordNumber(c.order, 1, unasked, [&](int min, int max) {
            asked.emplace_back(min, max);
            return c.r;
        });
        EXPECT_EQ(taken, c.taken) << c.r;
        EXPECT_EQ(unasked, c.left) << c.r;
        const std::vector<std::pair<int, int>> range{{1, static_cast<int>(c.unasked.size())}};
        EXPECT_EQ(asked, range);
    }
}

TEST(DrillLogic, RandomOrderAsksEveryWordExactlyOnce) {
    for (const unsigned seed : {1u, 7u, 1234u}) {
        tk::SeedRandom(seed);
        std::vector<int> unasked = drill::allWordNumbers(12);
        std::vector<int> asked;
        for (int question = 1; question <= 12; ++question) {
            asked.push_back(
                drill::nextWordNumber(drill::kRandomOrder, question, unasked,
                                      [](int min, int max) { return tk::RandomInt(min, max); }));
        }
        EXPECT_TRUE(unasked.empty()) << seed;
        std::sort(asked.begin(), asked.end());
        EXPECT_EQ(asked, drill::allWordNumbers(12)) << seed;
    }
}

TEST(DrillLogic, ListsAreReadFromOneAndNeverBeyondTheirEnds) {
    EXPECT_EQ(drill::allWordNumbers(3), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(drill::allWordNumbers(0).empty());
    EXPECT_TRUE(drill::allWordNumbers(-2).empty());

    const tk::TextArray words{"boy", "girl", "teacher"};
    const std::uint8_t bytes[2] = {1, 2};
    const tk::ClipList clips{{bytes, 1}, {bytes + 1, 1}};
    struct Case {
        int k;
        tk::Text word;
        tk::Clip clip;
    };
    const Case cases[] = {
        {1, "boy", clips[0]}, {2, "girl", clips[1]}, {3, "teacher", {}},
        {4, "", {}},          {0, "", {}},           {-1, "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drill::textAt(words, c.k), c.word) << c.k;
        EXPECT_EQ(drill::clipAt(clips, c.k), c.clip) << c.k;
    }
}

} // namespace
