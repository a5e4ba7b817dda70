// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drill's reckoning, apart from its widgets: the status line, the
// missed words and how the next word is chosen. Texts are GBK.

#include "clip.h"
#include "text.h"

#include <functional>
#include <string_view>
#include <vector>

namespace drill {

// The order list's item data.
constexpr int kTextbookOrder = 1;
constexpr int kRandomOrder = 2;

// "Unit 2共12个单词。目前错误1个" while asking.
tk::Text askingStatus(const tk::Text& unitText, int meaningCount, int misses);
// "Unit 2共12个单词。共错误1个" once the last word is done.
tk::Text finishedStatus(const tk::Text& unitText, int meaningCount, int misses);
// The word immediately followed by its meaning and CR LF.
tk::Text missEntry(const tk::Text& word, const tk::Text& meaning);
// Each entry followed by CR LF: a line per word, then an empty line.
tk::Text missRecord(const tk::TextArray& misses);
// Byte for byte and case-sensitive; nothing is trimmed.
bool isRight(std::string_view answer, std::string_view expected);

// Word numbers 1 ... count.
std::vector<int> allWordNumbers(int count);
// The word number of the question: in textbook order the question number;
// in any other order the r-th of the unasked numbers, r = draw(1, length),
// which is then taken off the list. 0 when there is none to take.
int nextWordNumber(int order, int questionNumber, std::vector<int>& unasked,
                   const std::function<int(int, int)>& draw);

// Word k (from 1) of a list; empty outside it.
tk::Text textAt(const tk::TextArray& texts, int k);
tk::Clip clipAt(const tk::ClipList& clips, int k);

} // namespace drill
