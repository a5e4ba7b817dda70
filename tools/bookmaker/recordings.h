// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes every clip of the book: speech synthesised offline, encoded in the
// format its role needs, cached by the hash of what it is made from.

#include "book_source.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace bookmaker {

enum class ClipFormat {
    Adpcm,            // MS ADPCM 4-bit, stereo, 22,050 Hz: page, word, page-74 clips
    Mp3Mono24000,     // MP3 inside WAV: praise, retry, instructions, completion
    Mp3Stereo16000,   // MP3 inside WAV: matching-game music, buzz clips
    Pcm8Mono22050,    // letter click, matching pair
    Pcm16Stereo22050, // cheer
    Pcm16Mono44100,   // matching select
    Pcm16Mono22050,   // matching not-a-pair
    Pcm8Mono11025,    // matching empty cell
};

// How fast a clip is spoken: learners hear their words and the listening
// exercises more slowly than the talk around them.
enum class Pace {
    Talk,      // dialogues, page lines, page 74
    Listening, // the recordings the listen marks play
    Word,      // word clips
};

struct Recording {
    std::string id; // output file stem, e.g. "p06_03", "u3_w05", "p74_c07"
    std::vector<SpokenPart> parts;
    ClipFormat format = ClipFormat::Adpcm;
    Pace pace = Pace::Talk;
};

struct AudioOptions {
    std::filesystem::path dataDir;  // content/data (voices.txt, recordings/ dropped in)
    std::filesystem::path cacheDir; // survives between builds
    std::filesystem::path outDir;   // <id>.wav written here
    int jobs = 2;
};

// Writes outDir/<id>.wav for every recording. A WAV dropped in as
// dataDir/recordings/<id>.wav replaces the synthesised clip; a warning on
// stderr says when the text it was recorded for has changed since. Every
// clip written decodes as the program plays it: a dropped-in one that does
// not is converted, and one that cannot be converted, or still does not
// decode, fails with a message naming it.
bool makeRecordings(const std::vector<Recording>& recordings,
                    const std::map<std::string, std::string>& voices, const AudioOptions& options,
                    std::string& error);

// Writes what every clip says, for checking the recordings by ear or by a
// recogniser: one spoken line a row, fields split by tabs: clip id, pace
// (talk, listening, word), speaker, engine voice, text.
bool writeClipIndex(const std::vector<Recording>& recordings,
                    const std::map<std::string, std::string>& voices, std::string& index,
                    std::string& error);

// The effects, spoken feedback and music of the exercises and games, by
// role name (e.g. "praise1", "retry4", "practice_instruction", "music"):
// writes outDir/<role>.wav for each (each one decodes as the program plays
// it) and returns the roles made.
bool makeEffects(const AudioOptions& options, std::vector<std::string>& roles, std::string& error);

} // namespace bookmaker
