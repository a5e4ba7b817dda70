// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sprite_path.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

constexpr int kMaxDepth = 3;
constexpr int kFlatEnough = 32;

// Halves round down, negative ones too: (-1 + -2) / 2 is -2.
int half(int sum) {
    return sum >= 0 ? sum / 2 : -((1 - sum) / 2);
}

PathPoint middle(PathPoint a, PathPoint b) {
    return {half(a.x + b.x), half(a.y + b.y)};
}

void append(std::vector<PathPoint>& points, PathPoint point) {
    if (points.back() != point) {
        points.push_back(point);
    }
}

void flattenCurve(std::vector<PathPoint>& points, PathPoint from, PathPoint control, PathPoint to,
                  int depth) {
    const int width = std::max({from.x, control.x, to.x}) - std::min({from.x, control.x, to.x});
    const int height = std::max({from.y, control.y, to.y}) - std::min({from.y, control.y, to.y});
    if (depth == kMaxDepth || width + height < kFlatEnough) {
        append(points, to);
        return;
    }
    const PathPoint first = middle(from, control);
    const PathPoint second = middle(control, to);
    const PathPoint centre = middle(first, second);
    flattenCurve(points, from, first, centre, depth + 1);
    flattenCurve(points, centre, second, to, depth + 1);
}

} // namespace

std::vector<PathPoint> flattenPath(const std::vector<int>& segments) {
    std::vector<PathPoint> points{{0, 0}};
    std::size_t at = 0;
    const auto remaining = [&] { return segments.size() - at; };
    while (at < segments.size()) {
        const int kind = segments[at];
        if (kind == 0 && remaining() >= 3) {
            append(points, {segments[at + 1], segments[at + 2]});
            at += 3;
        } else if (kind == 1 && remaining() >= 5) {
            flattenCurve(points, points.back(), {segments[at + 1], segments[at + 2]},
                         {segments[at + 3], segments[at + 4]}, 0);
            at += 5;
        } else {
            break;
        }
    }
    return points;
}

bool stepAlong(const std::vector<PathPoint>& path, PathProgress& progress, double distance) {
    while (progress.next < path.size()) {
        const PathPoint target = path[progress.next];
        const double dx = target.x - progress.x;
        const double dy = target.y - progress.y;
        const double length = std::hypot(dx, dy);
        if (length > distance) {
            progress.x += dx * distance / length;
            progress.y += dy * distance / length;
            return false;
        }
        progress.x = target.x;
        progress.y = target.y;
        distance -= length;
        ++progress.next;
    }
    return true;
}

} // namespace tk
