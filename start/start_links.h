// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the start window needs from the program that opens it: where the
// link line's position is kept, and how the reader is opened.

#include <functional>

namespace start {

struct StartLinks {
    int* lineOffset = nullptr;
    std::function<void()> openReader;
};

void setLinks(StartLinks links);
const StartLinks& links();
// The opener's link-line position; one of the window's own until one is set.
int& lineOffset();

} // namespace start
