// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader's layout, run once per reader: in normal mode the designed
// 800 x 600 window, in full-screen mode everything scaled to the screen.
// Every computed coordinate is worked out in floating point and truncated
// toward zero.

#include "unit_def.h"

namespace tk {
class Window;
}

namespace reader {

struct Scale {
    double x = 1;
    double y = 1;
};

struct Point {
    int left = 0;
    int top = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The scale of a width x height screen area: the 800 x 540 page area grows
// to the area less the toolbar's 60 pixels.
Scale layoutScale(int width, int height);
int scaled(int value, double factor);
tk::Rect scaledRect(const tk::Rect& rect, const Scale& scale);
Point scaledCorner(const tk::Rect& rect, const Scale& scale);
// A tick box moves by half its scaled size; its size stays.
Point tickBoxCorner(const tk::Rect& rect, const Scale& scale);
// The title panel right-aligned in the toolbar.
int titlePanelLeft(int toolbarWidth, int panelWidth);

// Lays the reader out for the mode the program is in.
void layOutReader(tk::Window& window);

} // namespace reader
