// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the reader needs from the program that opens it: the display mode
// and the drill state, which outlive every reader, and the ways back to its
// opener. The opener sets them before it creates the reader.

#include "common/page_lists.h"
#include "drill/drill_state.h"

#include <functional>

namespace tk {
class Window;
}

namespace reader {

struct DisplayMode {
    bool fullScreen = false;
    int fullScreenPresses = 0; // its parity decides the mode
    int titleOffset = 0;       // the scrolling title's write position
};

// The game windows the toolbar opens. The page games get the page's lists
// and open without a parent; the word games open over the reader.
struct GameOpeners {
    std::function<void(const common::PageLists&)> fillIn;
    std::function<void(const common::PageLists&)> ordering;
    std::function<void(tk::Window& reader)> spelling;
    std::function<void(tk::Window& reader)> matching;
    std::function<void(tk::Window& reader)> chineseToEnglish;
    std::function<void(tk::Window& reader)> englishToChinese;
};

struct ReaderLinks {
    DisplayMode* display = nullptr;
    // The opener's loading picture, up while a reader is being built.
    std::function<void(bool shown)> showLoading;
    // Closes the reader and has the opener create it anew.
    std::function<void()> reopen;
    drill::DrillState* drill = nullptr;
    GameOpeners games;
};

void setLinks(ReaderLinks links);
const ReaderLinks& links();
// The opener's display mode; one of the reader's own until an opener sets it.
DisplayMode& display();
// The opener's drill state; one of the reader's own until an opener sets it.
drill::DrillState& drillState();

} // namespace reader
