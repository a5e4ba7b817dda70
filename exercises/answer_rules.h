// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the tick boxes and write-in boxes over the book's listening
// exercises, apart from any widget.

#include "text.h"

namespace exercises {

enum class Mark { Tick, Cross };

// The mark a tick box earns the moment it changes: a tick when it now agrees
// with the answer key, a cross when it does not.
constexpr Mark tickMark(bool checked, bool belongsTicked) {
    return checked == belongsTicked ? Mark::Tick : Mark::Cross;
}

// What a change of a write-in box's content earns.
enum class WriteIn {
    Nothing, // shorter than the answer: the box was emptied
    Right,   // the answer itself: a tick
    Wrong,   // a cross and the offer of the right answer
};
WriteIn judgeWriteIn(const tk::Text& content, const tk::Text& answer);

struct MarkCorner {
    int left = 0;
    int top = 0;
    friend bool operator==(const MarkCorner&, const MarkCorner&) = default;
};
// A tick box's mark begins 20 pixels right of the box's left edge, level
// with it; a write-in box's 5 pixels right of the box and 20 above it.
constexpr MarkCorner tickMarkCorner(int boxLeft, int boxTop) {
    return {boxLeft + 20, boxTop};
}
constexpr MarkCorner writeInMarkCorner(int boxLeft, int boxTop, int boxWidth) {
    return {boxLeft + boxWidth + 5, boxTop - 20};
}

} // namespace exercises
