// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the windows open one another. The opener hands each screen what it
// needs; the full-screen button asks for the reader again, and its opener
// re-creates it, so no toggle nests a loop.

namespace app {

// Hands every screen what it needs of the program and the ways to the
// windows it opens.
void connectScreens();
// Opens the start window, modal, and returns the program's exit code once
// the child has closed it.
int runStartWindow();
// Opens the reader, modal, and opens it again for as long as it closes with
// a request to do so.
void openReader();

} // namespace app
