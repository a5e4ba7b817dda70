// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program keeps for its whole run, outside any one window. The
// screens never reach for it: their openers hand them their part.

#include "drill/drill_state.h"
#include "reader/reader_links.h"
#include "text.h"

namespace app {

struct ProgramState {
    reader::DisplayMode display; // full screen and the reader's title
    int startLineOffset = 0;     // the start window's scrolling link line
    drill::DrillState drill;
    tk::TextArray errorList; // the word games' misses: word, then meaning
    int orderingStarts = 0;  // starts of the sentence-ordering game
};

ProgramState& program();

} // namespace app
