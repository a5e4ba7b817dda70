// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word games' misses, kept in one list for the whole run: two entries
// per missed word, the word and then its meaning as the game showed it. The
// list is never sorted and a word missed twice is there twice.

#include "text.h"

namespace errors {

void append(tk::TextArray& list, const tk::Text& word, const tk::Text& meaning);
// Entries, not words.
int entryCount(const tk::TextArray& list);
int missedWords(const tk::TextArray& list);
void clear(tk::TextArray& list);
// What the report shows: every entry followed by CR LF, word above meaning.
tk::Text reportText(const tk::TextArray& list);

} // namespace errors
