// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sentence-ordering window: a sentence of the page shown in the reader,
// its words scattered, to be clicked back into order.

#include "common/page_lists.h"
#include "ordering_state.h"
#include "unit_def.h"

class QImage;

namespace ordering {

// The window's table; its handlers work on state, which must outlive it.
tk::WindowDef orderingWindow(OrderingState& state);

// Opens the window modal, without a parent, on copies of the page's lists;
// starts is the program's count of the game's starts.
void openOrdering(const common::PageLists& lists, int& starts);

// The background, decoded the first time a window asks for it and kept
// for the run.
const QImage& background();

} // namespace ordering
