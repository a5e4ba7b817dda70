// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One spelling window's game: the unit loaded, the words still to ask and
// the word being asked. Replaced when a unit is loaded; gone with the window.

#include "clip.h"
#include "text.h"

#include <vector>

namespace spelling {

struct SpellingState {
    tk::TextArray words;        // the unit's words, word-list order
    tk::TextArray meanings;     // their meanings, same order
    tk::ClipList clips;         // clip k speaks word k; a word may have none
    std::vector<int> remaining; // numbers of the words not yet asked, in list order
    int wordCount = 0;          // words to ask when the unit was loaded
    tk::Text currentWord;       // empty while none is asked
    tk::Text currentMeaning;
    tk::Clip currentClip;
    int clicks = 0; // letters clicked since the word was laid out or redone
};

} // namespace spelling
