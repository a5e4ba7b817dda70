// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings.h"

#include "maker_files.h"
#include "recordings_kit.h"
#include "voices.h"

#include <cstdio>
#include <optional>
#include <set>

namespace bookmaker {
namespace {

namespace fs = std::filesystem;
using namespace audio;

// What a recording says, for comparing with the text a dropped-in WAV was
// recorded for: words only, so line breaks, " / " and "Name:" prefixes of
// speakers do not count.
std::string wordsOf(std::string_view text, const std::map<std::string, std::string>& voices) {
    std::string words;
    std::string word;
    bool lineStart = true;
    const auto flush = [&] {
        const bool speaker = lineStart && word.size() > 1 && word.back() == ':' &&
                             voices.contains(word.substr(0, word.size() - 1));
        if (!word.empty() && word != "/" && !speaker) {
            words += (words.empty() ? "" : " ") + word;
        }
        lineStart = word.empty() ? lineStart : word == "/";
        word.clear();
    };
    for (const char c : text) {
        if (c == '\n') {
            flush();
            lineStart = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            flush();
        } else {
            word += c;
        }
    }
    flush();
    return words;
}

std::string saysOf(const Recording& recording) {
    std::string says;
    for (const SpokenPart& part : recording.parts) {
        says += (says.empty() ? "" : " / ") + part.text;
    }
    return says;
}

void warn(const std::string& message) {
    std::fprintf(stderr, "bookmaker: warning: %s\n", message.c_str());
}

// A dropped-in WAV keeps the text it was recorded for beside it, so the
// build can say when the book has moved on.
void checkDroppedText(const Recording& recording, const fs::path& dropDir,
                      const std::map<std::string, std::string>& voices) {
    const fs::path textFile = dropDir / (recording.id + ".txt");
    const std::string where = "recordings/" + recording.id + ".wav";
    std::error_code ec;
    if (!fs::exists(textFile, ec)) {
        warn(where + ": the text it was recorded for is unknown (write it into " + recording.id +
             ".txt beside it)");
        return;
    }
    const std::string recorded = wordsOf(readFile(textFile), voices);
    const std::string current = wordsOf(saysOf(recording), voices);
    if (recorded != current) {
        warn(where + " was recorded for \"" + recorded + "\", but the clip now says \"" + current +
             "\"; record it again");
    }
}

// A dropped-in WAV in another format, or one the program cannot play:
// decoded whatever it holds, trimmed and normalised like a made clip, and
// encoded.
Recipe droppedRecipe(const Recording& recording, const fs::path& dropped) {
    Recipe recipe{"recordings/" + recording.id + ".wav cannot be converted",
                  {{"dropped.wav", readFile(dropped)}},
                  {}};
    recipe.steps.push_back({{"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-i",
                             "dropped.wav", "-c:a", "pcm_s16le", "-fflags", "+bitexact", "-flags:a",
                             "+bitexact", "-map_metadata", "-1", "-f", "wav", "-y", "decoded.wav"},
                            "decoded.wav"});
    recipe.steps.push_back({{"sox", "-R", "decoded.wav", "-b", "16", "clean.wav", "gain", "-n",
                             "-1", "silence", "1", "0.01", "0.5%"},
                            "clean.wav"});
    const auto encode = encodeSteps({"clean.wav"}, recording.format, "clip.wav");
    recipe.steps.insert(recipe.steps.end(), encode.begin(), encode.end());
    return recipe;
}

bool spokenRecipe(const Recording& recording, const std::map<std::string, std::string>& voices,
                  Recipe& recipe, std::string& error) {
    recipe.what = "clip " + recording.id;
    std::vector<Line> lines;
    if (!linesOf(recording.parts, voices, lines, error)) {
        return fail(error, recipe.what + ": " + error);
    }
    if (lines.empty()) {
        return fail(error, recipe.what + ": says nothing");
    }
    const auto encode =
        encodeSteps(addSpeech(lines, recording.pace, recipe), recording.format, "clip.wav");
    recipe.steps.insert(recipe.steps.end(), encode.begin(), encode.end());
    return true;
}

// Every .wav dropped in must belong to a clip: a misspelt name would
// otherwise be ignored without a word.
void warnStrayDrops(const fs::path& dropDir, const std::set<std::string>& ids) {
    std::error_code ec;
    std::set<std::string> strays;
    for (const auto& entry : fs::directory_iterator(dropDir, ec)) {
        const fs::path& path = entry.path();
        if (path.extension() == ".wav" && !ids.contains(path.stem().string())) {
            strays.insert(path.filename().string());
        }
    }
    for (const std::string& name : strays) {
        warn("recordings/" + name + " belongs to no clip of the book");
    }
}

const char* paceName(Pace pace) {
    switch (pace) {
    case Pace::Talk:
        return "talk";
    case Pace::Listening:
        return "listening";
    case Pace::Word:
        return "word";
    }
    return "talk";
}

} // namespace

bool writeClipIndex(const std::vector<Recording>& recordings,
                    const std::map<std::string, std::string>& voices, std::string& index,
                    std::string& error) {
    index.clear();
    for (const Recording& recording : recordings) {
        std::vector<Line> lines;
        if (!linesOf(recording.parts, voices, lines, error)) {
            return fail(error, "clip " + recording.id + ": " + error);
        }
        for (const Line& line : lines) {
            index += recording.id + '\t' + paceName(recording.pace) + '\t' + line.speaker + '\t' +
                     line.engineVoice + '\t' + line.text + '\n';
        }
    }
    return true;
}

bool makeRecordings(const std::vector<Recording>& recordings,
                    const std::map<std::string, std::string>& voices, const AudioOptions& options,
                    std::string& error) {
    const fs::path dropDir = options.dataDir / "recordings";
    const Player& player = Player::shared();
    std::set<std::string> ids;
    // Per recording: the recipe that makes it, or the dropped-in file as it is.
    std::vector<std::optional<Recipe>> recipes(recordings.size());
    std::vector<fs::path> asDropped(recordings.size());
    std::vector<bool> droppedIn(recordings.size());
    int dropped = 0;
    for (std::size_t k = 0; k < recordings.size(); ++k) {
        const Recording& recording = recordings[k];
        if (!isSafeId(recording.id)) {
            return fail(error, "clip id \"" + recording.id + "\" cannot be a file name");
        }
        if (!ids.insert(recording.id).second) {
            return fail(error, "clip " + recording.id + " is made twice");
        }
        const fs::path wav = dropDir / (recording.id + ".wav");
        std::error_code ec;
        if (fs::is_regular_file(wav, ec)) {
            ++dropped;
            droppedIn[k] = true;
            checkDroppedText(recording, dropDir, voices);
            if (!isInFormat(wav, recording.format)) {
                recipes[k] = droppedRecipe(recording, wav);
            } else if (const std::string why = player.whyUnplayable(readFile(wav)); !why.empty()) {
                warn("recordings/" + recording.id + ".wav: the program cannot play it as it is (" +
                     why + "), so it is converted");
                recipes[k] = droppedRecipe(recording, wav);
            } else {
                asDropped[k] = wav;
            }
            continue;
        }
        recipes[k].emplace();
        if (!spokenRecipe(recording, voices, *recipes[k], error)) {
            return false;
        }
    }
    warnStrayDrops(dropDir, ids);

    std::vector<const Recipe*> toCook;
    int cached = 0;
    for (const auto& recipe : recipes) {
        if (recipe) {
            toCook.push_back(&*recipe);
            std::error_code ec;
            cached += fs::exists(cachedFile(options.cacheDir, *recipe), ec) ? 1 : 0;
        }
    }
    if (!cookAll(toCook, options.cacheDir, std::max(1, options.jobs), error)) {
        return false;
    }
    for (std::size_t k = 0; k < recordings.size(); ++k) {
        const fs::path from = recipes[k] ? cachedFile(options.cacheDir, *recipes[k]) : asDropped[k];
        if (const std::string why = player.whyUnplayable(readFile(from)); !why.empty()) {
            const std::string& id = recordings[k].id;
            const std::string what =
                droppedIn[k] ? "recordings/" + id + ".wav, converted," : "clip " + id + ", made,";
            return fail(error, what + " cannot be played by the program: " + why);
        }
        if (!place(from, options.outDir / (recordings[k].id + ".wav"), error)) {
            return false;
        }
    }
    std::printf("bookmaker: %zu clips: %zu made, %d from the cache, %d dropped in\n",
                recordings.size(), toCook.size() - static_cast<std::size_t>(cached), cached,
                dropped);
    return true;
}

} // namespace bookmaker
