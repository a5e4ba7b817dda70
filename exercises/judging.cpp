// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "judging.h"

#include <charconv>

namespace exercises {

std::vector<int> targetsOf(const tk::TextArray& pageLines, const tk::Text& line) {
    std::vector<int> targets;
    for (std::size_t j = 0; j < pageLines.size(); ++j) {
        if (pageLines[j] == line) {
            targets.push_back(static_cast<int>(j) + 1);
        }
    }
    return targets;
}

int hitTarget(const std::vector<HotspotRect>& pageRectangles, const std::vector<int>& targets,
              int x, int y) {
    for (const int j : targets) {
        if (j < 1 || j > static_cast<int>(pageRectangles.size())) {
            continue;
        }
        const HotspotRect& r = pageRectangles[static_cast<std::size_t>(j - 1)];
        if (r.left < x && x < r.right && r.top - 10 < y && y < r.bottom) {
            return j;
        }
    }
    return 0;
}

int hotspotNumberOf(std::string_view name) {
    const std::size_t underscore = name.rfind('_');
    if (underscore == std::string_view::npos) {
        return 0;
    }
    const std::string_view digits = name.substr(underscore + 1);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() && number > 0 ? number : 0;
}

QuestionPlace questionPlace(const tk::Text& line, int pageWidth) {
    QuestionPlace place;
    place.width = 15 * static_cast<int>(line.size());
    // Worked out in floating point and cut toward zero, as every coordinate.
    place.left = static_cast<int>((pageWidth - place.width) / 2.0);
    place.top = 40;
    place.height = 35;
    return place;
}

} // namespace exercises
