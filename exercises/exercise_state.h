// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the reader's practice and find modes: one set for the reader
// window, shared by both modes, of which only one is on at a time.

#include "clip.h"
#include "text.h"

#include <vector>

namespace exercises {

enum class Mode { Practice, Find };

// A hotspot's rectangle in its page picture's coordinates.
struct HotspotRect {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    friend bool operator==(const HotspotRect&, const HotspotRect&) = default;
};

struct ExerciseState {
    Mode mode = Mode::Practice;
    tk::TextArray pageLines;                 // the page's Chinese list, for the targets
    tk::TextArray lines;                     // remaining items' Chinese lines
    tk::ClipList clips;                      // remaining items' clips (practice)
    std::vector<HotspotRect> pageRectangles; // hotspot k's at k - 1, for the whole mode
    std::vector<HotspotRect> remainingRects; // one per remaining item, to check the counts
    std::vector<int> targets;                // hotspot numbers right for the current item
    int current = 0;                         // 1-based in the remaining items; 0: none

    // What a page move empties: the remaining items, rectangles and targets.
    void emptyLists();
};

} // namespace exercises
