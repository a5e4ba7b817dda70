// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_placement.h"

#include "text.h"

#include <algorithm>

namespace reader {

namespace {

// Kept inside the right edge, 20 pixels in, when it would pass it.
int labelLeft(int width, int hotspotLeft, int areaWidth) {
    return width + hotspotLeft > areaWidth ? areaWidth - width - 20 : hotspotLeft;
}

} // namespace

LabelGeometry placeLabel(std::string_view text, int hotspotLeft, int hotspotTop, int areaWidth,
                         int areaHeight) {
    const tk::TextArray lines = tk::SplitText(text, "\r\n");
    LabelGeometry label;
    label.height = 25;
    if (lines.size() == 1) {
        label.alignment = 1;
        label.width = tk::TextLength(text) * 11;
        label.left = labelLeft(label.width, hotspotLeft, areaWidth);
        label.top = hotspotTop + 75;
        if (label.top + 40 > areaHeight - 40) {
            label.top = hotspotTop - 50;
        }
        return label;
    }
    int longest = 0;
    for (const tk::Text& line : lines) {
        longest = std::max(longest, tk::TextLength(line));
    }
    const int count = static_cast<int>(lines.size());
    label.width = 10 * longest;
    label.height = 20 * count;
    label.left = labelLeft(label.width, hotspotLeft, areaWidth);
    label.top = hotspotTop + 50;
    if (label.top + label.height + 40 > areaHeight - 40) {
        label.top = hotspotTop - 50 - label.height;
    }
    return label;
}

} // namespace reader
