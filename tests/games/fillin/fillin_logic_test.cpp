// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The fill-in reckoning over plain data: the trailing mark, the drawing of a
// line and a word, and where the answer box lies over the word.
#include "games/fillin/fillin_logic.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>

using fillin::Question;
using tk::operator""_gbk;

namespace {

TEST(FillInLogic, OneTrailingCommaBangFullStopOrQuestionMarkGoes) {
    struct Case {
        tk::Text word;
        tk::Text asked;
    };
    const Case cases[] = {
        {"Hello,", "Hello"},
        {"friends!", "friends"},
        {"student.", "student"},
        {"you?", "you"},
        {"boy", "boy"},
        {"$", "$"},
        {"", ""},
        {",", ""},
        // At most one mark: the one before it stays.
        {"Really?!", "Really?"},
        {"Oh!.", "Oh!"},
        {"so..", "so."},
        // Only the four marks at the very end.
        {"\"Hi!\"", "\"Hi!\""},
        {"\"Hello", "\"Hello"},
        {"Wait;", "Wait;"},
        {"Hi:", "Hi:"},
        {"so" + "…"_gbk, "so" + "…"_gbk},
        {"me)", "me)"},
        {",me", ",me"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fillin::withoutTrailingMark(c.word), c.asked) << c.word;
    }
}

// Draws taken from a script, in order; reseeds are counted.
struct ScriptedDraws {
    std::deque<int> numbers;
    std::deque<std::pair<int, int>> asked; // the ranges drawn from
    int reseeds = 0;

    fillin::Draws draws() {
        return {[this] { ++reseeds; },
                [this](int min, int max) {
                    asked.emplace_back(min, max);
                    if (numbers.empty()) {
                        ADD_FAILURE() << "more draws than scripted";
                        return min;
                    }
                    const int n = numbers.front();
                    numbers.pop_front();
                    return n;
                }};
    }
};

TEST(FillInLogic, ALineAndAWordAreDrawnAgainUntilTheWordCanBeAsked) {
    struct Case {
        const char* what;
        tk::TextArray lines;
        std::deque<int> numbers;
        Question question;
        std::deque<std::pair<int, int>> ranges;
        int tries;
    };
    const tk::TextArray page = {"Unit 1 Hello, friends!", "$", "boy", "Hi, Ben! I'm Lily."};
    const Case cases[] = {
        {"a word of the heading", page, {1, 3}, {1, "Hello"}, {{1, 4}, {1, 4}}, 1},
        {"a one-word line", page, {3, 1}, {3, "boy"}, {{1, 4}, {1, 1}}, 1},
        {"the last word, its mark gone", page, {4, 4}, {4, "Lily"}, {{1, 4}, {1, 4}}, 1},
        {"the placeholder twice, then a line with text",
         page,
         {2, 1, 2, 1, 4, 2},
         {4, "Ben"},
         {{1, 4}, {1, 1}, {1, 4}, {1, 1}, {1, 4}, {1, 4}},
         3},
        {"a lone mark and two spaces give no word",
         {"Oh , no  way"},
         {1, 2, 1, 4, 1, 5},
         {1, "way"},
         {{1, 1}, {1, 5}, {1, 1}, {1, 5}, {1, 1}, {1, 5}},
         3},
        {"an empty line has no word to draw",
         {"", "Good morning!"},
         {1, 1, 2, 2},
         {2, "morning"},
         {{1, 2}, {1, 0}, {1, 2}, {1, 2}},
         2},
        {"a line drawn outside the list is drawn again",
         {"Hi, Ben!"},
         {0, 1, 2},
         {1, "Ben"},
         {{1, 1}, {1, 1}, {1, 2}},
         2},
    };
    for (const Case& c : cases) {
        ScriptedDraws script{c.numbers, {}, 0};
        const std::optional<Question> question = fillin::drawQuestion(c.lines, script.draws());
        ASSERT_TRUE(question.has_value()) << c.what;
        EXPECT_EQ(*question, c.question) << c.what;
        EXPECT_EQ(script.asked, c.ranges) << c.what;
        EXPECT_TRUE(script.numbers.empty()) << c.what;
        // Every try starts with a fresh seed.
        EXPECT_EQ(script.reseeds, c.tries) << c.what;
    }
}

TEST(FillInLogic, APageWithoutAnAskableWordGivesNoQuestionAndDrawsNothing) {
    const tk::TextArray pages[] = {
        {}, {"$"}, {"$", "$", "$", "$"}, {""}, {"", "$", ",", "!  ?"}, {" "},
    };
    for (const tk::TextArray& lines : pages) {
        ScriptedDraws script;
        EXPECT_EQ(fillin::drawQuestion(lines, script.draws()), std::nullopt) << lines.size();
        EXPECT_TRUE(script.asked.empty()) << lines.size();
        EXPECT_EQ(script.reseeds, 0) << lines.size();
    }
}

TEST(FillInLogic, TheAnswerBoxCoversTheFirstSpotOfTheWordCapitalsIgnored) {
    // A face of 11 pixels a byte, and one whose letters differ in width.
    const fillin::LineAdvance fixed = [](std::string_view, int bytes) { return 11.0 * bytes; };
    const fillin::LineAdvance narrowI = [](std::string_view line, int bytes) {
        double x = 0;
        for (int i = 0; i < bytes && i < static_cast<int>(line.size()); ++i) {
            const char c = line[static_cast<std::size_t>(i)];
            x += c == 'i' || c == 'l' || c == 'I' ? 4.5 : c == ' ' ? 5.25 : 10.25;
        }
        return x;
    };
    struct Case {
        const char* line;
        const char* word;
        const fillin::LineAdvance* advance;
        fillin::BoxPlace place;
    };
    const Case cases[] = {
        // A one-word line: the box covers the start of the line.
        {"boy", "boy", &fixed, {190, 33}},
        {"Hello! I'm Ben.", "Ben", &fixed, {190 + 11 * 11, 33}},
        {"Hello, friends!", "Hello", &fixed, {190, 55}},
        // Found inside an earlier word, or with other capitals: there.
        {"This is Ben.", "is", &fixed, {190 + 22, 22}},
        {"Look! look at it.", "look", &fixed, {190, 44}},
        {"I like it. Do you like it?", "it", &fixed, {190 + 7 * 11, 22}},
        // Start rounded down, end rounded up: the word lies inside.
        {"Hi, Lily!", "Lily", &narrowI, {190 + 30, 30}},
        {"I like it.", "like", &narrowI, {190 + 9, 31}},
        {"boy", "boy", &narrowI, {190, 31}},
        // A word that is not in the line goes to its start.
        {"boy", "girl", &fixed, {190, 44}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fillin::answerBoxOver(c.line, c.word, 190, *c.advance), c.place)
            << c.line << " / " << c.word;
    }
}

} // namespace
