// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader's state, shared with the exercise modes, the word drill and the
// game windows for the whole run.

#include "clip.h"
#include "text.h"
#include "unit_ref.h"

#include <vector>

namespace reader {

// A hotspot's rectangle in its page picture's coordinates.
struct HotspotRect {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    friend bool operator==(const HotspotRect&, const HotspotRect&) = default;
};

// The lists of the practice and find modes; page moves empty them.
struct PracticeLists {
    tk::TextArray lines;                 // remaining items' Chinese lines
    tk::ClipList clips;                  // remaining items' clips
    std::vector<HotspotRect> rectangles; // remaining rectangles
    std::vector<int> targets;            // hotspot numbers that count as right
    void clear();
};

struct ReaderState {
    tk::UnitRef window; // the open reader; empty while none is open
    int pageIndex = 0;  // last book page moved to: 0-35
    tk::TextArray english;
    tk::TextArray chinese;
    tk::ClipList clips;
    tk::ClipList exerciseClips;
    PracticeLists practice;
    bool translation = true;
    bool marksMade = false; // an answer mark has been made since start
    int picturePage = -1;   // the page whose picture its box holds now

    // Empties the clip, Chinese, English and practice lists.
    void emptyLists();
};

ReaderState& state();

} // namespace reader
