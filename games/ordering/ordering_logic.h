// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sentence-ordering game's rules, apart from its widgets: which lines it
// asks, how the scattered words are laid out, how a click resizes a label
// and how the arranged line is judged. Texts are GBK.

#include "common/page_lists.h"

#include <functional>
#include <string_view>
#include <vector>

namespace ordering {

constexpr int kMinWords = 2;
constexpr int kMaxWords = 9;

// The words of an English line, cut at single spaces; punctuation stays on
// its word.
tk::TextArray wordsOf(std::string_view line);
// A line the game asks: 2 to 9 words.
bool isUsable(std::string_view line);
bool hasUsableLine(const tk::TextArray& english);
// A Chinese line and a clip for every English line; a clip more (book page
// 12 has one) does no harm.
bool listsFit(const common::PageLists& lists);

// Line or clip k (from 1) of a list; empty outside it.
tk::Text lineAt(const tk::TextArray& lines, int k);
tk::Clip clipAt(const tk::ClipList& clips, int k);

// The words in the order they are laid out: each time the j-th of those
// left, j = draw(1, number left), is taken next.
tk::TextArray scatter(tk::TextArray words, const std::function<int(int, int)>& draw);

struct LabelPlace {
    int left = 0;
    int width = 0;
    friend bool operator==(const LabelPlace&, const LabelPlace&) = default;
};

// 13 pixels a byte.
int labelWidth(std::string_view word);
// Where the labels of the words go, in the word frame: the first keeps
// firstLeft, each next one starts 20 pixels after the one before ends.
std::vector<LabelPlace> layoutLabels(const tk::TextArray& words, int firstLeft);
// A label clicked last is drawn half as wide again, and back when the next
// one is clicked; both truncate.
int enlarged(int width);
int shrunk(int width);

// Right when the arranged line, its ASCII and full-width spaces trimmed from
// both ends, is the sentence byte for byte.
bool isArrangedRight(std::string_view arranged, std::string_view sentence);

} // namespace ordering
