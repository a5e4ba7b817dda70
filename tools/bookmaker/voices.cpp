// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "voices.h"

#include <string_view>

namespace bookmaker::audio {
namespace {

constexpr const char* kPause = "0.4"; // seconds between lines
constexpr const char* kTail = "0.1";  // after the last line, so no player cuts a word short
constexpr const char* kSilence = "0.5%";

// An engine run that reads text from a file and writes a WAV, then sox
// effects that give the voice its character.
struct EngineVoice {
    std::string_view name;
    std::vector<std::string> engine; // argv before the text file and output options
    std::vector<std::string> effects;
};

// flite rms is the clearest English voice; slowed by 15% for learners.
std::vector<std::string> flite(const char* voice) {
    return {"flite", "-voice", voice, "--setf", "duration_stretch=1.15"};
}

const std::vector<EngineVoice>& engineVoices() {
    static const std::vector<EngineVoice> voices = {
        {"narrator", flite("rms"), {}},
        {"man", flite("rms"), {"pitch", "-200"}},
        // HTS speaks at 0.87 of its rate: as slow as the flite voices.
        {"woman",
         {"text2wave", "-eval", "(voice_cmu_us_slt_arctic_hts)", "-eval",
          "(set! hts_engine_params (cons '(\"-r\" 0.87) hts_engine_params))"},
         {}},
        // Pitched up six and four semitones: childlike, and the words stay clear.
        {"boy", flite("rms"), {"pitch", "600"}},
        {"girl", flite("slt"), {"pitch", "400"}},
        {"chinese", {"espeak-ng", "-v", "cmn-latn-pinyin+f4", "-s", "150"}, {}},
    };
    return voices;
}

const EngineVoice* findVoice(std::string_view name) {
    for (const EngineVoice& voice : engineVoices()) {
        if (voice.name == name) {
            return &voice;
        }
    }
    return nullptr;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string knownVoices() {
    std::string names;
    for (const EngineVoice& voice : engineVoices()) {
        names += (names.empty() ? "" : ", ") + std::string(voice.name);
    }
    return names;
}

// The engine's argv around the text file and the WAV it writes.
std::vector<std::string> engineArgv(const EngineVoice& voice, const std::string& textFile,
                                    const std::string& wav) {
    std::vector<std::string> argv = voice.engine;
    const std::string& program = argv.front();
    if (program == "flite") {
        argv.insert(argv.end(), {"-f", textFile, "-o", wav});
    } else if (program == "espeak-ng") {
        argv.insert(argv.end(), {"-f", textFile, "-w", wav});
    } else {
        argv.insert(argv.end(), {textFile, "-o", wav});
    }
    return argv;
}

} // namespace

bool linesOf(const std::vector<SpokenPart>& parts, const std::map<std::string, std::string>& voices,
             std::vector<Line>& lines, std::string& error) {
    lines.clear();
    for (const SpokenPart& part : parts) {
        const auto named = voices.find(part.voice);
        const std::string engine = named == voices.end() ? part.voice : named->second;
        if (findVoice(engine) == nullptr) {
            error = named == voices.end()
                        ? "voice " + part.voice + " is not in voices.txt"
                        : "voices.txt gives " + part.voice + " the engine voice " + engine +
                              ", which the maker does not know (it knows " + knownVoices() + ")";
            return false;
        }
        const std::string_view text = part.text;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find(" / ", start), text.size());
            const std::string_view line = trimmed(text.substr(start, end - start));
            if (!line.empty()) {
                lines.push_back({engine, std::string(line), part.voice});
            }
            start = end + 3;
        }
    }
    return true;
}

std::vector<std::string> addSpeech(const std::vector<Line>& lines, Recipe& recipe) {
    std::vector<std::string> spoken;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const EngineVoice& voice = *findVoice(lines[k].engineVoice);
        const std::string n = std::to_string(k + 1);
        const std::string textFile = "line" + n + ".txt";
        const std::string raw = "raw" + n + ".wav";
        const std::string clean = "line" + n + ".wav";
        recipe.inputs.emplace_back(textFile, lines[k].text + "\n");
        recipe.steps.push_back({engineArgv(voice, textFile, raw), raw});
        // Each line normalised so that the voices match, then trimmed at both
        // ends so that every pause is as long and a press is heard at once.
        // The threshold (-46 dB) lies above the hiss flite slt leaves around
        // its speech and below the softest onsets ("h").
        std::vector<std::string> sox = {"sox", "-R", raw, "-b", "16", "-c", "1", clean};
        sox.insert(sox.end(), voice.effects.begin(), voice.effects.end());
        sox.insert(sox.end(), {"rate", "22050", "gain", "-n", "-1", "silence", "1", "0.01",
                               kSilence, "reverse", "silence", "1", "0.01", kSilence, "reverse",
                               "pad", "0", k + 1 < lines.size() ? kPause : kTail});
        recipe.steps.push_back({sox, clean});
        spoken.push_back(clean);
    }
    return spoken;
}

} // namespace bookmaker::audio
