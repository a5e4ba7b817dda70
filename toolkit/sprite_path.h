// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Path motion of sprite objects as plain arithmetic: a path given as
// segments becomes a list of points, and an object travels along it a fixed
// distance per step.

#include <cstddef>
#include <vector>

namespace tk {

struct PathPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PathPoint&, const PathPoint&) = default;
};

// The points of a path whose segments are a flat list of integers, each
// opening with its kind: 0, dx, dy (a line) or 1, cx, cy, ex, ey (a quadratic
// curve through control c to end e). All are offsets from where the path
// starts, and so is the result, which begins with (0, 0). Curves are split
// in halves, with integer halves rounded down, at most three levels deep and
// not once the width plus the height of their points' bounding box is under
// 32; no point repeats the one before it. Reading stops at an unknown kind or
// a segment cut short.
std::vector<PathPoint> flattenPath(const std::vector<int>& segments);

// Where a traveller is on a path: its offset from the path's start and the
// index of the point it heads for.
struct PathProgress {
    double x = 0;
    double y = 0;
    std::size_t next = 1;
};

// Moves `distance` pixels along the path, through the points on the way
// (what is left at a point goes on along the next piece). True once the
// traveller stands on the last point.
bool stepAlong(const std::vector<PathPoint>& path, PathProgress& progress, double distance);

} // namespace tk
