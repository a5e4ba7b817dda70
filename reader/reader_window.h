// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader window: the book's pages in a page control, their hotspots and
// answer boxes, the translation label and the toolbar.

#include "unit_def.h"

namespace reader {

// Built from the book on first use.
const tk::WindowDef& readerWindow();

} // namespace reader
