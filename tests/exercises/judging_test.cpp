// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The judging rules of the practice and find modes and of the answer boxes,
// by tables of cases.
#include "exercises/answer_rules.h"
#include "exercises/judging.h"

#include <gtest/gtest.h>

namespace {

using exercises::HotspotRect;
using tk::operator""_gbk;

struct HitCase {
    const char* where;
    int x;
    int y;
    int hit;
};

TEST(HitTest, StrictEdgesAndABandTenPixelsAboveTheTop) {
    // Hotspot 1: left 100, right 200, top 50, bottom 80; hotspot 3 just
    // below, its band reaching into hotspot 1.
    const std::vector<HotspotRect> rects = {
        {100, 200, 50, 80}, {0, 10, 0, 10}, {100, 200, 85, 120}};
    const std::vector<int> targets = {1, 3};
    const HitCase cases[] = {
        {"inside", 150, 60, 1},          {"left edge", 100, 60, 0},
        {"right edge", 200, 60, 0},      {"bottom edge", 150, 120, 0},
        {"top edge", 150, 50, 1},        {"9 above", 150, 41, 1},
        {"10 above", 150, 40, 0},        {"just inside the corner", 101, 41, 1},
        {"a non-target", 5, 5, 0},       {"the second target", 150, 100, 3},
        {"both: the first", 150, 78, 1},
    };
    for (const HitCase& c : cases) {
        EXPECT_EQ(exercises::hitTarget(rects, targets, c.x, c.y), c.hit) << c.where;
    }
    EXPECT_EQ(exercises::hitTarget(rects, {3, 1}, 150, 78), 3);
}

TEST(HitTest, TargetsWithoutARectangleAreNeverHit) {
    const std::vector<HotspotRect> rects = {{0, 100, 0, 100}};
    EXPECT_EQ(exercises::hitTarget(rects, {0, -1, 2, 7}, 50, 50), 0);
    EXPECT_EQ(exercises::hitTarget({}, {1}, 50, 50), 0);
    EXPECT_EQ(exercises::hitTarget(rects, {2, 1}, 50, 50), 1);
}

TEST(Targets, EveryHotspotWithTheSameLineInAscendingOrder) {
    const tk::TextArray lines = {"你好"_gbk, "$", "你好"_gbk, "你好！"_gbk, "你好"_gbk};
    EXPECT_EQ(exercises::targetsOf(lines, "你好"_gbk), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(exercises::targetsOf(lines, "你好！"_gbk), std::vector<int>{4});
    EXPECT_EQ(exercises::targetsOf(lines, "$"), std::vector<int>{2});
    EXPECT_TRUE(exercises::targetsOf(lines, "再见"_gbk).empty());
    EXPECT_TRUE(exercises::targetsOf({}, "你好"_gbk).empty());
}

TEST(HotspotNumber, TakenFromTheNamesLastPart) {
    const std::pair<const char*, int> cases[] = {
        {"透明标签页6_25", 25}, {"透明标签页二_1", 1}, {"透明标签页64_5", 5}, {"透明标签页6_", 0},
        {"透明标签页6_x", 0},   {"透明标签页6_0", 0},  {"透明标签", 0},       {"透明标签页6_2a", 0},
    };
    for (const auto& [name, number] : cases) {
        EXPECT_EQ(exercises::hotspotNumberOf(name), number) << name;
    }
}

struct PlaceCase {
    int bytes;
    int width;
    int left;
};

// 15 pixels per byte, centred over the page; a line wider than the page
// starts left of it, cut toward zero.
TEST(QuestionPlace, FifteenPixelsPerByteCentredOverThePage) {
    const PlaceCase cases[] = {
        {20, 300, 250}, {1, 15, 392}, {0, 0, 400}, {53, 795, 2}, {54, 810, -5}, {55, 825, -12},
    };
    for (const PlaceCase& c : cases) {
        const exercises::QuestionPlace place =
            exercises::questionPlace(tk::Text(static_cast<std::size_t>(c.bytes), 'a'), 800);
        EXPECT_EQ(place, (exercises::QuestionPlace{c.left, 40, c.width, 35})) << c.bytes;
    }
    EXPECT_EQ(exercises::questionPlace("我是学生"_gbk, 1280).left, 580);
}

TEST(TickMark, ATickWhenTheBoxNowAgreesWithTheKey) {
    using exercises::Mark;
    EXPECT_EQ(exercises::tickMark(true, true), Mark::Tick);
    EXPECT_EQ(exercises::tickMark(true, false), Mark::Cross);
    EXPECT_EQ(exercises::tickMark(false, true), Mark::Cross);
    EXPECT_EQ(exercises::tickMark(false, false), Mark::Tick);
}

TEST(WriteIn, JudgedByLengthThenByteForByte) {
    using exercises::WriteIn;
    const std::tuple<const char*, const char*, WriteIn> cases[] = {
        {"4", "4", WriteIn::Right},  {"7", "4", WriteIn::Wrong},   {"44", "4", WriteIn::Wrong},
        {"", "4", WriteIn::Nothing}, {" ", "4", WriteIn::Wrong},   {"4 ", "4", WriteIn::Wrong},
        {"四", "4", WriteIn::Wrong}, {"12", "12", WriteIn::Right}, {"1", "12", WriteIn::Nothing},
    };
    for (const auto& [content, answer, verdict] : cases) {
        EXPECT_EQ(exercises::judgeWriteIn(tk::toGbk(content), answer), verdict) << content;
    }
}

TEST(MarkCorners, BesideTheBox) {
    // A tick box 15 x 16 shown at 113, 171; a write-in box 16 x 16 at 79, 145.
    EXPECT_EQ(exercises::tickMarkCorner(113, 171), (exercises::MarkCorner{133, 171}));
    EXPECT_EQ(exercises::writeInMarkCorner(79, 145, 16), (exercises::MarkCorner{100, 125}));
    EXPECT_EQ(exercises::writeInMarkCorner(0, 10, 20), (exercises::MarkCorner{25, -10}));
}

} // namespace
