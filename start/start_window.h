// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start window: the book's cover, the help texts, the scrolling link
// line and the button that opens the reader.

#include "unit_def.h"

namespace start {

tk::WindowDef startWindow();

// Shows or hides the loading picture of the open start window.
void showLoading(bool shown);

} // namespace start
