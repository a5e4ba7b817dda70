// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spelling game's reckoning, apart from its widgets: which words can be
// asked, how the next one is taken, how its letters are scattered over the
// row of cells, the judgement and the summary. Texts are GBK.

#include "clip.h"
#include "text.h"

#include <functional>
#include <string_view>
#include <vector>

namespace spelling {

constexpr int kCells = 15;
constexpr int kLetterSize = 30; // points, in the cells and the result line

// A draw of a number in min..max, both included.
using Draw = std::function<int(int min, int max)>;

// A word the row can lay out: 1 to 15 characters, each a printable ASCII
// one that is not a space (every word of the book's lists is).
bool fitsTheRow(std::string_view word);
// The numbers (from 1) of the words that fit the row, in list order.
std::vector<int> askableWords(const tk::TextArray& words);
// Item k (from 1) of a list; empty outside it.
tk::Text textAt(const tk::TextArray& texts, int k);
tk::Clip clipAt(const tk::ClipList& clips, int k);
// Takes the r-th (from 1) of the remaining word numbers off the list and
// returns it; 0 when r is outside it.
int takeWord(std::vector<int>& remaining, int r);
// The word's letters in cell order, cell 1 (the leftmost) first. Cells L,
// L - 1, ... 1 are filled in turn, each with the letter drawn from those
// still left: a permutation of the word.
tk::Text scatter(std::string_view word, const Draw& draw);
// Byte for byte and case-sensitive.
bool isSpelledRight(std::string_view result, std::string_view word);
// "本课共12个单词,错误3个。继续努力哦！", or "…继续保持哦！" with no misses.
tk::Text summaryText(int words, int misses);

} // namespace spelling
