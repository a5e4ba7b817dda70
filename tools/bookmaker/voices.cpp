// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "voices.h"

#include <cstdio>
#include <string_view>

namespace bookmaker::audio {
namespace {

constexpr const char* kPause = "0.4"; // seconds between lines
constexpr const char* kTail = "0.1";  // after the last line, so no player cuts a word short
constexpr const char* kSilence = "0.5%";

enum class Engine { Flite, Festival, Espeak };

// An engine voice, then the shifts that give it its character. Pitch is
// raised by rubberband with the formants kept: a child's pitch on clear
// vowels. sox pitch moves the formants too, so it only ever moves them a
// little (a large shift makes a chipmunk no recogniser or child follows).
struct EngineVoice {
    std::string_view name;
    Engine engine;
    const char* model;      // flite voice, festival voice or espeak-ng voice
    int formantCents = 0;   // sox pitch: pitch and formants together
    int pitchSemitones = 0; // rubberband: pitch alone
};

const std::vector<EngineVoice>& engineVoices() {
    // Measured with the recogniser (scripts/measure-voices.sh): flite rms is
    // the clearest, and stays clear shifted either way; festival slt reads
    // better with its formants lower, and worse the higher its pitch. The
    // other free engine voices (flite slt, awb, kal16) score 10 points lower
    // or more. So the characters share two voices and are told apart by
    // pitch; Ben loses words above 4 semitones up.
    static const std::vector<EngineVoice> voices = {
        {"narrator", Engine::Flite, "rms"},
        {"man", Engine::Flite, "rms", 0, -2},
        {"woman", Engine::Festival, "cmu_us_slt_arctic_hts", -400, -1},
        {"boy", Engine::Flite, "rms", 0, 4},
        // Pip's lines are short: a shift either way, a move of the formants
        // or another tempo loses too many of their words.
        {"pip", Engine::Flite, "rms", 0, 2},
        {"girl", Engine::Festival, "cmu_us_slt_arctic_hts", -300, 2},
        {"chinese", Engine::Espeak, "cmn-latn-pinyin+f4"},
    };
    return voices;
}

// How much longer than the engine's own pace a line takes: learners hear
// their words slowest, then the listening exercises, then the talk.
double stretchOf(Pace pace) {
    switch (pace) {
    case Pace::Talk:
        return 1.15;
    case Pace::Listening:
        return 1.25;
    case Pace::Word:
        return 1.35;
    }
    return 1.15;
}

std::string decimal(double value) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
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

// The engine run that reads the text file and writes the WAV. The festival
// voice speaks slowly by itself: it keeps its own pace for talk.
std::vector<std::string> engineArgv(const EngineVoice& voice, Pace pace,
                                    const std::string& textFile, const std::string& wav) {
    const double stretch = stretchOf(pace);
    switch (voice.engine) {
    case Engine::Flite:
        return {"flite", "-voice", voice.model, "--setf", "duration_stretch=" + decimal(stretch),
                "-f",    textFile, "-o",        wav};
    case Engine::Festival:
        return {"text2wave",
                "-eval",
                "(voice_" + std::string(voice.model) + ")",
                "-eval",
                "(set! hts_engine_params (cons '(\"-r\" " +
                    decimal(stretchOf(Pace::Talk) / stretch) + ") hts_engine_params))",
                textFile,
                "-o",
                wav};
    case Engine::Espeak:
        return {"espeak-ng", "-v", voice.model, "-s", "150", "-f", textFile, "-w", wav};
    }
    return {};
}

// Steps that shift the engine's WAV; returns the file they leave.
std::string addShifts(const EngineVoice& voice, const std::string& raw, const std::string& n,
                      Recipe& recipe) {
    std::string wav = raw;
    if (voice.formantCents != 0) {
        const std::string shifted = "formant" + n + ".wav";
        recipe.steps.push_back(
            {{"sox", "-R", wav, shifted, "pitch", std::to_string(voice.formantCents)}, shifted});
        wav = shifted;
    }
    if (voice.pitchSemitones != 0) {
        const std::string pitched = "pitch" + n + ".wav";
        recipe.steps.push_back({{"rubberband", "-q", "--fine", "--formant", "--pitch",
                                 std::to_string(voice.pitchSemitones), wav, pitched},
                                pitched});
        wav = pitched;
    }
    return wav;
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

std::vector<std::string> addSpeech(const std::vector<Line>& lines, Pace pace, Recipe& recipe) {
    std::vector<std::string> spoken;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const EngineVoice& voice = *findVoice(lines[k].engineVoice);
        const std::string n = std::to_string(k + 1);
        const std::string textFile = "line" + n + ".txt";
        const std::string raw = "raw" + n + ".wav";
        const std::string clean = "line" + n + ".wav";
        recipe.inputs.emplace_back(textFile, lines[k].text + "\n");
        recipe.steps.push_back({engineArgv(voice, pace, textFile, raw), raw});
        const std::string voiced = addShifts(voice, raw, n, recipe);
        // Each line normalised so that the voices match, then trimmed at both
        // ends so that every pause is as long and a press is heard at once.
        // The threshold (-46 dB) lies above the hiss flite slt leaves around
        // its speech and below the softest onsets ("h").
        std::vector<std::string> sox = {"sox", "-R", voiced, "-b", "16", "-c", "1", clean};
        sox.insert(sox.end(), {"rate", "22050", "gain", "-n", "-1", "silence", "1", "0.01",
                               kSilence, "reverse", "silence", "1", "0.01", kSilence, "reverse",
                               "pad", "0", k + 1 < lines.size() ? kPause : kTail});
        recipe.steps.push_back({sox, clean});
        spoken.push_back(clean);
    }
    return spoken;
}

} // namespace bookmaker::audio
