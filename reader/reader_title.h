// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader's scrolling title in the toolbar's drawing panel.

namespace tk {
class Window;
}

namespace reader {

// The title's next write position: one pixel further left while its right
// end is still beyond the panel's right edge, else back to 10.
int nextTitleOffset(int panelWidth, int textWidth, int offset);

// One tick of the title timer: redraws the title one step on.
void titleTick(tk::Window& window);

} // namespace reader
