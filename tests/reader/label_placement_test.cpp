// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the translation label goes: the arithmetic alone, then once on the
// real reader.
#include "reader/label_placement.h"
#include "reader_fixture.h"

#include <gtest/gtest.h>
#include <string>

using reader::LabelGeometry;
using reader::placeLabel;
using tk::operator""_gbk;

namespace {

std::string bytes(int n) {
    return std::string(static_cast<std::size_t>(n), 'x');
}

TEST(LabelPlacement, OneLineSitsBelowTheHotspotInsideTheArea) {
    struct Case {
        const char* what;
        std::string text;
        int left;
        int top;
        int width;
        int height;
        LabelGeometry expected;
    };
    const Case cases[] = {
        {"plain", "ab"_gbk + "你好"_gbk, 100, 100, 800, 600, {100, 175, 66, 25, 1}},
        {"past the right edge", bytes(30), 600, 100, 800, 600, {450, 175, 330, 25, 1}},
        {"ends exactly at the right edge", bytes(20), 580, 100, 800, 600, {580, 175, 220, 25, 1}},
        {"one pixel past the right edge", bytes(20), 581, 100, 800, 600, {560, 175, 220, 25, 1}},
        {"near the bottom", bytes(4), 100, 500, 800, 600, {100, 450, 44, 25, 1}},
        {"top exactly 80 above the bottom", bytes(4), 100, 445, 800, 600, {100, 520, 44, 25, 1}},
        {"one pixel lower", bytes(4), 100, 446, 800, 600, {100, 396, 44, 25, 1}},
        {"both edges", bytes(30), 600, 500, 800, 600, {450, 450, 330, 25, 1}},
        {"full screen area", bytes(30), 1000, 600, 1280, 800, {930, 675, 330, 25, 1}},
        {"the placeholder counts like any line", "$", 300, 100, 800, 600, {300, 175, 11, 25, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placeLabel(c.text, c.left, c.top, c.width, c.height), c.expected) << c.what;
    }
}

TEST(LabelPlacement, EmptyAndSeveralLinesSitFiftyBelowAndGrowPerLine) {
    struct Case {
        const char* what;
        std::string text;
        int left;
        int top;
        LabelGeometry expected;
    };
    const Case cases[] = {
        // Pages 70 and 74: nothing of the label is left to see.
        {"empty", "", 120, 300, {120, 350, 0, 0, 0}},
        {"two lines", "ab\r\ncdef", 100, 100, {100, 150, 40, 40, 0}},
        // One line, but its width counts the bytes of the whole text.
        {"a trailing CR LF adds no line", "ab\r\n", 100, 100, {100, 175, 44, 25, 1}},
        {"an empty middle line counts", "ab\r\n\r\nc", 100, 100, {100, 150, 20, 60, 0}},
        {"two lines ending exactly 80 above the bottom",
         "ab\r\ncdef",
         100,
         430,
         {100, 480, 40, 40, 0}},
        {"two lines one pixel lower", "ab\r\ncdef", 100, 431, {100, 341, 40, 40, 0}},
        {"two long lines past the right edge",
         bytes(40) + "\r\nx",
         500,
         100,
         {380, 150, 400, 40, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placeLabel(c.text, c.left, c.top, 800, 600), c.expected) << c.what;
    }
}

using reader_tests::ReaderTest;

TEST_F(ReaderTest, ALabelNearTheCornerMovesLeftAndAboveTheHotspot) {
    tk::UnitRef hotspot = unit("透明标签页二_2");
    hotspot.setGeometry(600, 500, 100, 20);
    reader::state().chinese[1] = std::string(30, 'y');
    pressHotspot(hotspot);
    const tk::UnitRef shown = label();
    EXPECT_TRUE(shown.visible());
    EXPECT_EQ(shown.left(), 450);
    EXPECT_EQ(shown.top(), 450);
    EXPECT_EQ(shown.width(), 330);
    EXPECT_EQ(shown.height(), 25);
    EXPECT_EQ(shown.alignment(), 1);
    EXPECT_EQ(shown.font().size, 15);
    EXPECT_EQ(shown.font().face, "宋体");
    EXPECT_EQ(shown.caption(), std::string(30, 'y'));
    // The label sits on the window itself, above the page.
    EXPECT_EQ(shown.widget()->parentWidget(), window.get());
}

} // namespace
