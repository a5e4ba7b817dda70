// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The voices of the book: which engine says a line, with what settings, and
// how the spoken lines of a clip are put one after another.

#include "book_source.h"
#include "recordings_kit.h"

#include <map>
#include <string>
#include <vector>

namespace bookmaker::audio {

// One line said by one engine voice.
struct Line {
    std::string engineVoice; // narrator, man, woman, boy, pip, girl or chinese
    std::string text;        // English, or pinyin with tone numbers for chinese
    std::string speaker;     // the name in voices.txt, or the engine voice
};

// Splits the parts into lines (" / " inside a part separates lines, e.g. of a
// chant) and gives each line the engine voice of its speaker. A speaker that
// voices.txt does not name may be an engine voice itself.
bool linesOf(const std::vector<SpokenPart>& parts, const std::map<std::string, std::string>& voices,
             std::vector<Line>& lines, std::string& error);

// Adds the steps that speak the lines at the pace, each trimmed of its
// silence and normalised, with a short pause after all but the last. Returns the 16-bit
// mono 22,050 Hz WAVs to join, in order. The text reaches the engines through
// files only.
std::vector<std::string> addSpeech(const std::vector<Line>& lines, Pace pace, Recipe& recipe);

} // namespace bookmaker::audio
