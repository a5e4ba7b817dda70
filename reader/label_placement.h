// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the translation label goes for a pressed hotspot: pure arithmetic
// over the text's lines, the hotspot's corner and the screen area.

#include <string_view>

namespace reader {

struct LabelGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int alignment = 0; // 1 = centred
    friend bool operator==(const LabelGeometry&, const LabelGeometry&) = default;
};

// The label's font size for every press.
constexpr int kLabelFontSize = 15;

// text is GBK; hotspotLeft and hotspotTop are the hotspot's box coordinates,
// which are window coordinates; areaWidth and areaHeight the screen area.
LabelGeometry placeLabel(std::string_view text, int hotspotLeft, int hotspotTop, int areaWidth,
                         int areaHeight);

} // namespace reader
