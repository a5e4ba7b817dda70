// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fill-in reckoning, apart from its widgets: which word of which line is
// asked, the word without its trailing mark, and where the answer box lies
// over it. Texts are GBK.

#include "text.h"

#include <functional>
#include <optional>
#include <string_view>

namespace fillin {

// The word without one trailing ",", "!", "." or "?". Anything else stays:
// a leading quotation mark, a trailing "…", a second mark before the one
// removed.
tk::Text withoutTrailingMark(std::string_view word);

// A word the child can be asked for: neither the placeholder "$" of an item
// without text nor empty (a lone mark, or two spaces in a row).
bool isAskable(std::string_view word);

struct Question {
    int index = 0; // the line's item number, from 1
    tk::Text word; // the missing word, without its trailing mark
    friend bool operator==(const Question&, const Question&) = default;
};

struct Draws {
    std::function<void()> reseed;
    std::function<int(int, int)> between; // min..max, both included
};

// Draws a line (1 to the number of lines) and a word of it split at single
// spaces, and draws both again, reseeding first, until the word is
// askable. Nothing when no line holds an askable word: the draws would
// never end.
std::optional<Question> drawQuestion(const tk::TextArray& lines, const Draws& draws);

struct BoxPlace {
    int left = 0;
    int width = 0;
    friend bool operator==(const BoxPlace&, const BoxPlace&) = default;
};

// How far the first n bytes of a line reach when it is drawn, in pixels.
using LineAdvance = std::function<double(std::string_view line, int bytes)>;

// The answer box over the word's first occurrence in the line, capitals
// ignored, so a word that also stands earlier in the line (inside another
// word too) is covered there. The box spans the whole word: from its start
// rounded down to its end rounded up.
BoxPlace answerBoxOver(std::string_view line, std::string_view word, int lineLeft,
                       const LineAdvance& advance);

} // namespace fillin
