// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machinery behind every clip: a recipe of program runs (engines, sox,
// ffmpeg) that makes one file from nothing, cached by the hash of all it is
// made from, and cooked a few at a time.

#include "maker_files.h"
#include "recordings.h"

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tk {
class SoundOutput;
}

namespace bookmaker::audio {

// Decodes clips as the program does before playing them: with the program's
// own sound output, opened on SDL's dummy driver so that no sound device is
// needed. One for the process, since SDL is opened once; one clip at a time.
class Player {
  public:
    static const Player& shared();
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Empty when the program can play the WAV file's bytes; otherwise why not.
    std::string whyUnplayable(const std::string& wav) const;

  private:
    Player();
    std::unique_ptr<tk::SoundOutput> output_;
};

// One program run in the recipe's work folder. argv[0] is looked up in PATH;
// nothing goes through a shell.
struct Step {
    std::vector<std::string> argv;
    std::string output; // the file it must leave behind (engines may fail silently)
};

struct Recipe {
    std::string what; // for messages, e.g. "clip p06_03"
    // Written into the empty work folder before the first step: name, bytes.
    std::vector<std::pair<std::string, std::string>> inputs;
    std::vector<Step> steps; // the last step's output is the made file

    // Hash of the inputs, the steps and the maker's audio version: two recipes
    // with the same key make the same bytes.
    std::string key() const;
};

// Where a recipe's file lives in the cache.
std::filesystem::path cachedFile(const std::filesystem::path& cacheDir, const Recipe& recipe);

// Makes every recipe whose file is not cached yet, `jobs` at a time. Stops
// starting new ones after the first failure and says what failed.
bool cookAll(const std::vector<const Recipe*>& recipes, const std::filesystem::path& cacheDir,
             int jobs, std::string& error);

// Puts a made file at target: a hard link where the file system allows,
// otherwise a copy.
bool place(const std::filesystem::path& from, const std::filesystem::path& target,
           std::string& error);

// Steps that join 16-bit PCM WAVs of the same rate and channel count, one
// after another, into out in the given format. Runs sox -R and ffmpeg with
// bitexact flags, so a rerun writes the same bytes.
std::vector<Step> encodeSteps(const std::vector<std::string>& pcmFiles, ClipFormat format,
                              const std::string& out);

// Whether a WAV file already is in the format (tag, channels, rate, bits).
bool isInFormat(const std::filesystem::path& wav, ClipFormat format);

// Whether an id can be a file stem: letters, digits, '_' and '-'.
bool isSafeId(const std::string& id);

} // namespace bookmaker::audio
