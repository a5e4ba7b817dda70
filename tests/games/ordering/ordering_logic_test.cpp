// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The ordering game's rules as plain functions: which lines are asked, the
// lists it accepts, the scattering and layout of the word labels, their
// resizing on a click and the judging of the arranged line.
#include "games/ordering/ordering_logic.h"

#include <deque>
#include <gtest/gtest.h>

using tk::operator""_gbk;

namespace {

TEST(OrderingLines, OnlyLinesOfTwoToNineWordsAreAsked) {
    struct Case {
        const char* line;
        int words;
        bool usable;
    };
    const Case cases[] = {
        {"boy", 1, false},
        {"$", 1, false},
        {"", 0, false},
        {"Thank you.", 2, true},
        {"Hello! I'm Ben. I'm from Britain.", 6, true},
        {"one two three four five six seven eight nine", 9, true},
        {"one two three four five six seven eight nine ten", 10, false},
        // Punctuation stays on its word; a trailing space adds no word.
        {"How are you? ", 3, true},
        // Two spaces cut an empty word between them.
        {"a  b", 3, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<int>(ordering::wordsOf(c.line).size()), c.words) << c.line;
        EXPECT_EQ(ordering::isUsable(c.line), c.usable) << c.line;
    }
    EXPECT_EQ(ordering::wordsOf("How are you?"), (tk::TextArray{"How", "are", "you?"}));
    EXPECT_FALSE(ordering::hasUsableLine({}));
    EXPECT_FALSE(ordering::hasUsableLine(
        {"Unit 1 Hello, friends! And more words than nine here", "$", "boy"}));
    EXPECT_TRUE(ordering::hasUsableLine({"$", "boy", "Thank you."}));
}

TEST(OrderingLists, EveryLineNeedsAChineseLineAndAClip) {
    static const std::uint8_t bytes[4] = {};
    const auto clips = [](int n) {
        tk::ClipList list;
        for (int i = 0; i < n; ++i) {
            list.push_back({bytes + i, 1});
        }
        return list;
    };
    struct Case {
        const char* what;
        int english, chinese, clips;
        bool fit;
    };
    const Case cases[] = {
        {"one clip a line", 3, 3, 3, true},
        {"a clip more than lines (book page 12)", 3, 3, 4, true},
        {"a clip fewer than lines", 3, 3, 2, false},
        {"a Chinese line fewer", 3, 2, 3, false},
        {"a Chinese line more", 2, 3, 3, false},
        {"empty lists", 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        const common::PageLists lists{tk::TextArray(static_cast<std::size_t>(c.english), "a b"),
                                      tk::TextArray(static_cast<std::size_t>(c.chinese), "甲"),
                                      clips(c.clips)};
        EXPECT_EQ(ordering::listsFit(lists), c.fit) << c.what;
    }
}

TEST(OrderingLists, LinesAndClipsOutsideTheListAreEmpty) {
    static const std::uint8_t bytes[2] = {};
    const tk::ClipList clips = {{bytes, 1}, {bytes + 1, 1}};
    const tk::TextArray lines = {"first", "second"};
    EXPECT_EQ(ordering::lineAt(lines, 1), "first");
    EXPECT_EQ(ordering::lineAt(lines, 2), "second");
    EXPECT_EQ(ordering::clipAt(clips, 2), clips[1]);
    for (const int k : {0, -1, 3}) {
        EXPECT_EQ(ordering::lineAt(lines, k), "") << k;
        EXPECT_TRUE(ordering::clipAt(clips, k).empty()) << k;
    }
}

TEST(OrderingScatter, EachDrawTakesTheJthOfTheWordsLeft) {
    struct Case {
        std::deque<int> draws;
        tk::TextArray laidOut;
        std::vector<std::pair<int, int>> bounds; // asked of the draw
    };
    const tk::TextArray words = {"Good", "morning,", "boys", "and", "girls!"};
    const Case cases[] = {
        {{1, 1, 1, 1, 1},
         {"Good", "morning,", "boys", "and", "girls!"},
         {{1, 5}, {1, 4}, {1, 3}, {1, 2}, {1, 1}}},
        {{5, 4, 3, 2, 1}, {"girls!", "and", "boys", "morning,", "Good"}, {}},
        {{2, 3, 3, 1, 1}, {"morning,", "and", "girls!", "Good", "boys"}, {}},
        // A draw out of range still takes a word of the list.
        {{9, 0, 1, 1, 1}, {"girls!", "Good", "morning,", "boys", "and"}, {}},
    };
    for (const Case& c : cases) {
        std::deque<int> draws = c.draws;
        std::vector<std::pair<int, int>> asked;
        const tk::TextArray laidOut = ordering::scatter(words, [&](int min, int max) {
            asked.emplace_back(min, max);
            const int next = draws.front();
            draws.pop_front();
            return next;
        });
        EXPECT_EQ(laidOut, c.laidOut);
        if (!c.bounds.empty()) {
            EXPECT_EQ(asked, c.bounds);
        }
    }
    EXPECT_TRUE(ordering::scatter({}, [](int, int) { return 1; }).empty());
}

TEST(OrderingLayout, LabelsAre13PixelsAByteWith20PixelGaps) {
    using Places = std::vector<ordering::LabelPlace>;
    struct Case {
        tk::TextArray words;
        Places places;
    };
    const Case cases[] = {
        {{"Thank", "you."}, {{10, 65}, {95, 52}}},
        {{"you.", "Thank"}, {{10, 52}, {82, 65}}},
        {{"I'm", "Ben.", "I'm"}, {{10, 39}, {69, 52}, {141, 39}}},
        {{"a", "", "b"}, {{10, 13}, {43, 0}, {63, 13}}},
        // Nine words run on past the frame's 768 pixels; the frame clips them.
        {{"grandmother", "grandfather", "classroom", "blackboard", "computer", "elephant",
          "giraffe", "monkey", "teacher"},
         {{10, 143},
          {173, 143},
          {336, 117},
          {473, 130},
          {623, 104},
          {747, 104},
          {871, 91},
          {982, 78},
          {1080, 91}}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ordering::layoutLabels(c.words, 10), c.places)
            << (c.words.empty() ? "" : c.words.front());
    }
    EXPECT_EQ(ordering::labelWidth("斑马"_gbk), 52) << "four bytes";
}

TEST(OrderingLayout, AClickWidensByHalfAndTheNextNarrowsItBackTruncated) {
    struct Case {
        int width, enlarged, shrunkBack;
    };
    const Case cases[] = {
        {52, 78, 52}, {39, 58, 38}, {65, 97, 64}, {13, 19, 12}, {0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ordering::enlarged(c.width), c.enlarged) << c.width;
        EXPECT_EQ(ordering::shrunk(c.enlarged), c.shrunkBack) << c.width;
    }
}

TEST(OrderingJudging, TheArrangedLineIsTrimmedOfAsciiAndFullWidthSpacesOnly) {
    const tk::Text fullWidth = "　"_gbk;
    struct Case {
        tk::Text arranged;
        tk::Text sentence;
        bool right;
    };
    const Case cases[] = {
        {" Thank you.", "Thank you.", true},
        {"Thank you.", "Thank you.", true},
        {"   Thank you.  ", "Thank you.", true},
        {fullWidth + " Thank you." + fullWidth + fullWidth, "Thank you.", true},
        {" " + fullWidth + "Thank you. " + fullWidth, "Thank you.", true},
        // Only the ends are trimmed.
        {" Thank  you.", "Thank you.", false},
        {" Thank" + fullWidth + "you.", "Thank you.", false},
        // Case and punctuation count.
        {" thank you.", "Thank you.", false},
        {" Thank you", "Thank you.", false},
        {" you. Thank", "Thank you.", false},
        // A sentence that ends with a space is never matched.
        {" Thank you. ", "Thank you. ", false},
        {"Thank you. ", "Thank you. ", false},
        // The instruction and the redo notice are judged like any line.
        {"重新开始吧！"_gbk, "Thank you.", false},
        {fullWidth, "Thank you.", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ordering::isArrangedRight(c.arranged, c.sentence), c.right)
            << "[" << tk::toUtf8(c.arranged) << "] vs [" << c.sentence << "]";
    }
}

} // namespace
