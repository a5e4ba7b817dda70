// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the practice and find modes, apart from any widget.

#include "exercise_state.h"
#include "text.h"

#include <string_view>
#include <vector>

namespace exercises {

// Every hotspot number j (1-based, ascending) whose line in the page's
// Chinese list equals line byte for byte: a click on any of them is right.
std::vector<int> targetsOf(const tk::TextArray& pageLines, const tk::Text& line);

// The first target hit at (x, y), or 0. A target's band reaches 10 pixels
// above its rectangle's top; every edge itself is outside. A target without
// a rectangle is never hit.
int hitTarget(const std::vector<HotspotRect>& pageRectangles, const std::vector<int>& targets,
              int x, int y);

// The hotspot number k of a label named 透明标签页<page>_<k>; 0 when the name
// carries none.
int hotspotNumberOf(std::string_view name);

// Where find mode shows its question: 15 pixels per byte, centred over a page
// picture pageWidth wide (left goes negative for a line wider than it).
struct QuestionPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const QuestionPlace&, const QuestionPlace&) = default;
};
QuestionPlace questionPlace(const tk::Text& line, int pageWidth);
inline constexpr int kQuestionFontSize = 22;

} // namespace exercises
