// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fill-in window: one word of a line of the page left out, typed into a
// box laid over it, and judged.

#include "common/page_lists.h"
#include "unit_def.h"

#include <QImage>

namespace fillin {

// The window over its own copies of the page's lists.
tk::WindowDef fillInWindow(const common::PageLists& lists);

// Opens the window modal, without a parent; returns when it has closed.
void openFillIn(const common::PageLists& lists);

// The background at the window's size: decoded at the first opening, kept
// for every later one.
const QImage& backgroundPicture();

} // namespace fillin
