// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start window's scrolling link line: it plays ping-pong inside its
// panel, one pixel per tick, driven by two timers that hand over to each
// other at the ends.

#include "text.h"

namespace start {

enum class LinkDirection { Left, Right };

struct LinkStep {
    int offset = 0;
    LinkDirection direction = LinkDirection::Left;
    friend bool operator==(const LinkStep&, const LinkStep&) = default;
};

// The line stops moving right when it starts this far from the left edge.
constexpr int kLinkLineLeftStop = 5;
// The running timer's interval; the other one's is 0.
constexpr int kLinkLineTickMs = 50;

// One tick: moves the line one pixel and turns it around once its right end
// has reached the panel's right edge, or its left end the left stop.
LinkStep stepLinkLine(int offset, int panelWidth, int textWidth, LinkDirection direction);

// The link text followed by the address, as the line shows it.
tk::Text linkLineText();
// The address the line opens when pressed.
tk::Text linkAddress();

// Tick handlers of the two timers, and the panel's press handler.
void tickLinkLineLeft();
void tickLinkLineRight();
void openLinkAddress();

} // namespace start
