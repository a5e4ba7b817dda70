// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word drill's state: one set for the whole run, kept while the drill
// page is left and opened again.

#include "clip.h"
#include "text.h"

#include <vector>

namespace drill {

struct DrillState {
    tk::TextArray words;      // the unit's English words, word-list order
    tk::TextArray meanings;   // their Chinese meanings, same order
    tk::ClipList clips;       // clip k speaks word k
    int wordCount = 0;        // words when the drill started
    int meaningCount = 0;     // meanings when the drill started
    int questionNumber = 0;   // questions posed since the start
    std::vector<int> unasked; // word numbers not yet asked in random order
    tk::Text expectedWord;
    tk::Text currentMeaning;
    tk::Clip currentClip; // kept for listening again
    tk::TextArray misses; // one entry per missed or skipped word: word, meaning, CR LF
};

} // namespace drill
