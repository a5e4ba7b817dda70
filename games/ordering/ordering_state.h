// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of one sentence-ordering window, from its opening to its close.

#include "common/page_lists.h"
#include "unit_ref.h"

namespace ordering {

struct OrderingState {
    common::PageLists lists; // the page's lines and clips, item k at k - 1
    int* starts = nullptr;   // the program's starts of this game, over all openings
    int sentenceIndex = 0;   // from 1; 0 while no sentence is asked
    tk::Text sentence;
    int clicks = 0; // since the sentence was laid out, judged or redone
    // The word label clicked last; forgotten when the window closes.
    tk::UnitRef lastClicked;

    bool asking() const { return sentenceIndex > 0; }
};

} // namespace ordering
