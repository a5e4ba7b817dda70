// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word spelling window: a unit's words asked one by one, their letters
// scattered over a row of cells to be clicked in order. Misses go to the
// program's error list, which the report window lists after a round.

#include "text.h"
#include "unit_def.h"

namespace tk {
class Window;
}

namespace spelling {

// A window with a game of its own over errorList, which must outlive it.
tk::WindowDef spellingWindow(tk::TextArray& errorList);
// Opens the window modal over the reader; returns once it is closed.
void openSpelling(tk::Window& reader, tk::TextArray& errorList);

} // namespace spelling
