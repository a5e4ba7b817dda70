// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text list as the book stores it: lines joined by CR LF, the English line
// of each item followed by its Chinese line.

#include "text.h"

#include <string_view>

struct DealtLists {
    tk::TextArray english;
    tk::TextArray chinese;
};

DealtLists dealLines(std::string_view listText);
// Replaces both arrays.
void dealLines(std::string_view listText, tk::TextArray& english, tk::TextArray& chinese);

// A meaning without its notes in full-width brackets: from the first "（"
// through the first "）" after it, for as long as there is such a pair.
tk::Text withoutNotes(std::string_view text);
