// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Path motion as plain arithmetic: segments to points, and steps along them.
#include "sprite_path.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

using namespace tk;

namespace tk {

void PrintTo(const PathPoint& p, std::ostream* out) {
    *out << "(" << p.x << ", " << p.y << ")";
}

} // namespace tk

namespace {

using Points = std::vector<PathPoint>;

TEST(SpritePath, FlattensTheFlowerFanAndShortCurves) {
    struct Case {
        const char* what;
        std::vector<int> segments;
        Points expected;
    };
    // Worked by hand: halves round down, so the left-hand flights are not
    // mirror images of the right-hand ones.
    const Case cases[] = {
        {"right, low",
         {1, 100, -200, 100, 600},
         {{0, 0},
          {23, -35},
          {43, -38},
          {60, -10},
          {75, 50},
          {85, 140},
          {93, 262},
          {98, 415},
          {100, 600}}},
        {"right, high",
         {1, 100, -400, 100, 600},
         {{0, 0},
          {23, -79},
          {43, -113},
          {60, -104},
          {75, -50},
          {85, 46},
          {93, 187},
          {98, 371},
          {100, 600}}},
        {"left, low",
         {1, -100, -200, -100, 600},
         {{0, 0},
          {-24, -35},
          {-44, -38},
          {-62, -10},
          {-75, 50},
          {-87, 140},
          {-94, 262},
          {-99, 415},
          {-100, 600}}},
        {"left, high",
         {1, -100, -400, -100, 600},
         {{0, 0},
          {-24, -79},
          {-44, -113},
          {-62, -104},
          {-75, -50},
          {-87, 46},
          {-94, 187},
          {-99, 371},
          {-100, 600}}},
        {"straight up and down",
         {1, 0, -500, 0, 600},
         {{0, 0},
          {0, -101},
          {0, -150},
          {0, -151},
          {0, -100},
          {0, -1},
          {0, 150},
          {0, 349},
          {0, 600}}},
        {"width plus height 25: one piece", {1, 10, 10, 15, 5}, {{0, 0}, {15, 5}}},
        {"width plus height 31: one piece", {1, 20, -11, 6, 0}, {{0, 0}, {6, 0}}},
        // 32 splits once: each half is then under 32.
        {"width plus height 32: two pieces", {1, 16, 16, 0, 0}, {{0, 0}, {8, 8}, {0, 0}}},
        {"a curve after a line starts at the line's end",
         {0, 10, 0, 1, 10, 0, 12, 4},
         {{0, 0}, {10, 0}, {12, 4}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(flattenPath(c.segments), c.expected) << c.what;
    }
}

TEST(SpritePath, NoPointRepeatsAndBrokenSegmentsEndThePath) {
    struct Case {
        const char* what;
        std::vector<int> segments;
        Points expected;
    };
    const Case cases[] = {
        {"nothing", {}, {{0, 0}}},
        {"a line to the start", {0, 0, 0}, {{0, 0}}},
        {"the same end twice", {0, 10, 0, 0, 10, 0, 1, 10, 0, 10, 0}, {{0, 0}, {10, 0}}},
        {"a segment cut short", {0, 5, 5, 1, 3}, {{0, 0}, {5, 5}}},
        {"an unknown kind", {0, 5, 5, 9, 1, 2, 0, 7, 7}, {{0, 0}, {5, 5}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(flattenPath(c.segments), c.expected) << c.what;
    }
}

TEST(SpritePath, StepsCarryWhatIsLeftAtAPointOnAlongTheNextPiece) {
    struct Case {
        const char* what;
        Points path;
        double step;
        double x;
        double y;
        std::size_t next;
        bool ended;
    };
    const Case cases[] = {
        {"inside the first piece", {{0, 0}, {0, 30}}, 10, 0, 10, 1, false},
        {"5 to the corner, 5 beyond it", {{0, 0}, {3, 4}, {3, 14}}, 10, 3, 9, 2, false},
        {"through three corners", {{0, 0}, {2, 0}, {2, 2}, {4, 2}, {4, 12}}, 10, 4, 6, 4, false},
        {"landing on a corner", {{0, 0}, {6, 8}, {6, 20}}, 10, 6, 8, 2, false},
        {"stopping at the end", {{0, 0}, {4, 3}}, 10, 4, 3, 2, true},
        {"landing on the end", {{0, 0}, {6, 8}}, 10, 6, 8, 2, true},
        {"a path of its start alone", {{0, 0}}, 10, 0, 0, 1, true},
    };
    for (const Case& c : cases) {
        PathProgress progress;
        EXPECT_EQ(stepAlong(c.path, progress, c.step), c.ended) << c.what;
        EXPECT_DOUBLE_EQ(progress.x, c.x) << c.what;
        EXPECT_DOUBLE_EQ(progress.y, c.y) << c.what;
        EXPECT_EQ(progress.next, c.next) << c.what;
    }
}

TEST(SpritePath, AFanFlightTakesAsManyStepsAsItsLengthNeedsAndEndsOnItsLastPoint) {
    const Points path = flattenPath({1, 100, -400, 100, 600});
    double length = 0;
    for (std::size_t i = 1; i < path.size(); ++i) {
        length += std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
    }
    PathProgress progress;
    int steps = 0;
    bool ended = false;
    while (!ended && steps < 1000) {
        ended = stepAlong(path, progress, 10);
        ++steps;
    }
    // Carrying the rest at every corner loses nothing: ceil(length / 10).
    EXPECT_EQ(steps, static_cast<int>(std::ceil(length / 10)));
    EXPECT_DOUBLE_EQ(progress.x, 100);
    EXPECT_DOUBLE_EQ(progress.y, 600);
}

} // namespace
