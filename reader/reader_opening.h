// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader's own side of the program's flow: its opening, the full-screen
// toggle and the exit button.

namespace tk {
class Window;
}

namespace reader {

// The reader window was created: page 0 with its lists, translation on,
// the opener's loading picture hidden, laid out for the mode.
void readerCreated(tk::Window& window);
// Switches between normal and full-screen mode by having the opener create
// the reader again.
void fullScreenClicked();
void exitClicked();

} // namespace reader
