// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report window of the word games: the error list, a line per entry,
// in a box that scrolls; closing the window empties the list.

#include "text.h"
#include "unit_def.h"

namespace tk {
class Window;
}

namespace errors {

constexpr const char* kReportBox = "编辑框_错误情况";

// The window over list, which must outlive it.
tk::WindowDef reportWindow(tk::TextArray& list);
// Opens the report modal and returns once it is closed, with list empty.
void showErrorReport(tk::TextArray& list, tk::Window* parent);

} // namespace errors
