// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The effects, spoken feedback and music of the exercises and games. Sounds
// are synthesised with sox alone; spoken clips use the book's voices.
#include "recordings.h"
#include "recordings_kit.h"
#include "voices.h"

#include <cmath>
#include <cstdio>

namespace bookmaker {
namespace {

using namespace audio;

using Args = std::vector<std::string>;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

// Equal temperament from MIDI note numbers (60 is middle C).
double hz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// One sound of a sequence: sox effects that make a set length of audio from
// nothing, e.g. {"synth", "0.2500", "pluck", "523.2511"}.
using Slot = Args;

// A rest: synth needs a wave, so a silent one.
Slot rest(double seconds) {
    return {"synth", number(seconds), "sine", "0", "vol", "0"};
}

// A note of `seconds`, sounding for `sounding` of them and then silent.
Slot note(const char* wave, double from, double to, double seconds, double sounding, double fadeIn,
          double fadeOut, double volume, const Args& filters = {}) {
    Args effects = {"synth", number(sounding), wave};
    if (from > 0) { // noise has no pitch
        effects.push_back(number(from) + (to == from ? "" : "-" + number(to)));
    }
    effects.insert(effects.end(), filters.begin(), filters.end());
    effects.insert(effects.end(), {"fade", "q", number(fadeIn), number(sounding), number(fadeOut),
                                   "vol", number(volume)});
    if (seconds > sounding) {
        effects.insert(effects.end(), {"pad", "0", number(seconds - sounding)});
    }
    return effects;
}

// A step that renders the slots one after another (sox chains joined by ":")
// as 16-bit mono at the rate given.
Step render(const std::vector<Slot>& slots, int rate, const std::string& out) {
    Args argv = {"sox", "-R", "-r", std::to_string(rate), "-c", "1", "-n", "-b", "16", out};
    for (std::size_t k = 0; k < slots.size(); ++k) {
        if (k > 0) {
            argv.push_back(":");
        }
        argv.insert(argv.end(), slots[k].begin(), slots[k].end());
    }
    return {argv, out};
}

// Mixes tracks of equal rate, each with its volume, and finishes the mix.
Step mix(const std::vector<std::pair<std::string, double>>& tracks, const std::string& out,
         const Args& effects) {
    Args argv = {"sox", "-R", "-m"};
    for (const auto& [file, volume] : tracks) {
        argv.insert(argv.end(), {"-v", number(volume), file});
    }
    argv.push_back(out);
    argv.insert(argv.end(), effects.begin(), effects.end());
    return {argv, out};
}

struct Effect {
    std::string role;
    Recipe recipe;
};

Effect spoken(const std::string& role, const std::vector<Line>& lines) {
    Effect effect{role, {"effect " + role, {}, {}}};
    const auto encode = encodeSteps(addSpeech(lines, Pace::Talk, effect.recipe),
                                    ClipFormat::Mp3Mono24000, "clip.wav");
    effect.recipe.steps.insert(effect.recipe.steps.end(), encode.begin(), encode.end());
    return effect;
}

// Steps that make 16-bit PCM, then its encoding.
Effect synthesised(const std::string& role, ClipFormat format, std::vector<Step> steps) {
    Effect effect{role, {"effect " + role, {}, std::move(steps)}};
    const auto encode = encodeSteps({effect.recipe.steps.back().output}, format, "clip.wav");
    effect.recipe.steps.insert(effect.recipe.steps.end(), encode.begin(), encode.end());
    return effect;
}

// The matching game's music: an 8-bar tune in C at 120 beats a minute
// (16 seconds), melody, bells, bass and light drums, repeated to about 3.7
// minutes. The player loops the whole file; MP3 frames hold 576 samples and
// the decoder puts 1,152 samples of encoder delay and padding around the
// music, so the music is cut to that much less than a whole number of
// frames: the loop then keeps the beat. The tune ends on a rest, where the cut
// and the delay fall.
Effect music() {
    constexpr double kBeat = 0.5;
    constexpr int kRate = 48000; // pluck needs it; resampled to 16,000 at the end
    constexpr int kOutRate = 16000;
    constexpr int kRepeats = 14;
    struct Pitch {
        int midi; // 0: rest
        double beats;
    };
    const std::vector<Pitch> tune = {
        {72, 1},   {67, 0.5}, {69, 0.5}, {67, 1},   {64, 1},          // C
        {65, 0.5}, {67, 0.5}, {69, 0.5}, {71, 0.5}, {74, 2},          // G
        {72, 1},   {69, 0.5}, {71, 0.5}, {72, 1},   {76, 1},          // Am
        {74, 0.5}, {72, 0.5}, {69, 1},   {65, 1},   {69, 1},          // F
        {67, 0.5}, {64, 0.5}, {67, 0.5}, {72, 0.5}, {76, 1}, {74, 1}, // C
        {74, 0.5}, {71, 0.5}, {67, 1},   {71, 1},   {74, 1},          // G
        {72, 1},   {69, 1},   {71, 1},   {74, 1},                     // F G
        {72, 2},   {67, 1},   {0, 1},                                 // C
    };
    // Root and fifth of each bar's chord, on every beat.
    const std::vector<int> bassRoots = {48, 43, 45, 41, 48, 43, 41, 48};
    std::vector<Slot> melody;
    std::vector<Slot> bells;
    for (const Pitch& p : tune) {
        const double seconds = p.beats * kBeat;
        if (p.midi == 0) {
            melody.push_back(rest(seconds));
            bells.push_back(rest(seconds));
            continue;
        }
        const double f = hz(p.midi);
        melody.push_back(note("pluck", f, f, seconds, seconds, 0.005, 0.06, 0.8));
        bells.push_back(
            note("sine", 2 * f, 2 * f, seconds, std::min(seconds, 0.25), 0.003, 0.22, 0.5));
    }
    std::vector<Slot> bass;
    for (std::size_t bar = 0; bar < bassRoots.size(); ++bar) {
        for (int beat = 0; beat < 4; ++beat) {
            int root = bassRoots[bar];
            if (bar == 6 && beat >= 2) {
                root = 43; // F to G in bar 7
            }
            if (bar == 7 && beat == 3) {
                bass.push_back(rest(kBeat));
                continue;
            }
            const double f = hz(beat % 2 == 0 ? root : root + 7);
            bass.push_back(note("triangle", f, f, kBeat, 0.42, 0.01, 0.2, 0.9));
        }
    }
    std::vector<Slot> drums;
    constexpr double kEighth = kBeat / 2;
    for (int bar = 0; bar < 8; ++bar) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            if (bar == 7 && eighth == 7) {
                drums.push_back(rest(kEighth));
            } else if (eighth % 4 == 0) {
                drums.push_back(note("sine", 120, 45, kEighth, 0.14, 0, 0.12, 1.0));
            } else if (eighth % 4 == 2) {
                drums.push_back(note("whitenoise", 0, 0, kEighth, 0.1, 0, 0.09, 0.35,
                                     {"band", "1800", "1200"}));
            } else {
                drums.push_back(
                    note("whitenoise", 0, 0, kEighth, 0.035, 0, 0.03, 0.18, {"highpass", "6000"}));
            }
        }
    }
    constexpr long kLoopSamples = 16L * kOutRate;
    constexpr long kFrame = 576;
    constexpr long kDelayAndPadding = 2 * kFrame;
    constexpr long kSamples = kLoopSamples * kRepeats / kFrame * kFrame - kDelayAndPadding;
    return synthesised(
        "music", ClipFormat::Mp3Stereo16000,
        {render(melody, kRate, "melody.wav"),
         render(bells, kRate, "bells.wav"),
         render(bass, kRate, "bass.wav"),
         render(drums, kRate, "drums.wav"),
         mix({{"melody.wav", 0.42}, {"bells.wav", 0.1}, {"bass.wav", 0.3}, {"drums.wav", 0.25}},
             "loop.wav", {"rate", std::to_string(kOutRate), "gain", "-n", "-5"}),
         {{"sox", "-R", "loop.wav", "music.wav", "repeat", std::to_string(kRepeats - 1), "trim",
           "0", std::to_string(kSamples) + "s"},
          "music.wav"}});
}

// A short brassy fanfare: three quick notes up to a held chord.
Effect cheer() {
    constexpr int kRate = 44100;
    const auto brass = [](int midi, double seconds, double sounding) {
        return note("sawtooth", hz(midi), hz(midi), seconds, sounding, 0.01, 0.08, 0.6);
    };
    const double held = 0.75;
    const std::vector<Slot> lead = {brass(67, 0.13, 0.11), brass(72, 0.13, 0.11),
                                    brass(76, 0.13, 0.11), brass(79, held, held)};
    const std::vector<Slot> third = {rest(0.39), brass(76, held, held)};
    const std::vector<Slot> root = {rest(0.39), brass(72, held, held)};
    return synthesised("cheer", ClipFormat::Pcm16Stereo22050,
                       {render(lead, kRate, "lead.wav"), render(third, kRate, "third.wav"),
                        render(root, kRate, "root.wav"),
                        mix({{"lead.wav", 0.5}, {"third.wav", 0.3}, {"root.wav", 0.3}}, "mix.wav",
                            {"lowpass", "3500", "channels", "2", "reverb", "30", "50", "60", "gain",
                             "-n", "-3"})});
}

// One sound rendered at `rate` and normalised to a peak of `peak` dB: the
// buzzy ones lower, so that no effect is much louder than the speech.
Effect sound(const std::string& role, ClipFormat format, int rate, double peak,
             const std::vector<Slot>& slots, const Args& filters = {}) {
    // Effects after the last ":" chain would act on the last slot only.
    Args finish = {"sox", "-R", "notes.wav", "sound.wav"};
    finish.insert(finish.end(), filters.begin(), filters.end());
    finish.insert(finish.end(), {"gain", "-n", number(peak)});
    return synthesised(role, format, {render(slots, rate, "notes.wav"), {finish, "sound.wav"}});
}

std::vector<Effect> effects() {
    const auto woman = [](const char* text) { return Line{"woman", text, "woman"}; };
    const auto chinese = [](const char* text) { return Line{"chinese", text, "chinese"}; };
    return {
        spoken("praise1", {woman("Great job!")}),
        spoken("praise2", {woman("Well done!")}),
        spoken("praise3", {woman("Excellent!")}),
        spoken("retry1", {woman("Try again.")}),
        spoken("retry2", {woman("Listen again.")}),
        spoken("retry3", {woman("Not quite, try again.")}),
        spoken("retry4", {woman("Oops! One more time.")}),
        // Said in Chinese first, so every child knows what to do, then in
        // the English the child is learning.
        spoken("practice_instruction",
               {chinese("qing3 ting1 lu4 yin1, dian3 chu1 ni3 ting1 dao4 de5 nei4 rong2."),
                woman("Listen and click.")}),
        spoken("find_instruction", {chinese("kan4 zhong1 wen2, dian3 chu1 ying1 wen2."),
                                    woman("Read the Chinese, then click the English.")}),
        spoken("completion", {woman("Well done! You finished every sentence on this page!"),
                              chinese("tai4 bang4 le5!")}),
        music(),
        // "Uh-uh": two low buzzes.
        sound("buzz1", ClipFormat::Mp3Stereo16000, 16000, -10,
              {note("square", 140, 140, 0.24, 0.18, 0.005, 0.04, 0.7),
               note("square", 118, 118, 0.3, 0.24, 0.005, 0.08, 0.7)},
              {"lowpass", "1800"}),
        // "Wah-wah-waah": sliding down.
        sound("buzz2", ClipFormat::Mp3Stereo16000, 16000, -5,
              {note("sawtooth", 300, 270, 0.22, 0.2, 0.01, 0.05, 0.6),
               note("sawtooth", 255, 228, 0.22, 0.2, 0.01, 0.05, 0.6),
               note("sawtooth", 215, 150, 0.5, 0.5, 0.01, 0.2, 0.6)},
              {"tremolo", "7", "40", "lowpass", "1600"}),
        sound("letter_click", ClipFormat::Pcm8Mono22050, 22050, -4,
              {note("sine", 1300, 1900, 0.1, 0.04, 0.001, 0.035, 0.9)}),
        cheer(),
        sound("match_select", ClipFormat::Pcm16Mono44100, 44100, -8,
              {note("sine", 660, 990, 0.18, 0.12, 0.003, 0.08, 0.8)}),
        sound("match_pair", ClipFormat::Pcm8Mono22050, 44100, -4,
              {note("pluck", hz(76), hz(76), 0.16, 0.16, 0.002, 0.03, 0.9),
               note("pluck", hz(83), hz(83), 0.55, 0.55, 0.002, 0.3, 0.9)}),
        sound("match_not_pair", ClipFormat::Pcm16Mono22050, 22050, -8,
              {note("triangle", 330, 330, 0.22, 0.18, 0.005, 0.05, 0.8),
               note("triangle", 247, 247, 0.35, 0.3, 0.005, 0.12, 0.8)}),
        sound("match_empty", ClipFormat::Pcm8Mono11025, 11025, -6,
              {note("sine", 180, 90, 0.25, 0.15, 0.002, 0.12, 0.9)}),
    };
}

} // namespace

bool makeEffects(const AudioOptions& options, std::vector<std::string>& roles, std::string& error) {
    const std::vector<Effect> list = effects();
    std::vector<const Recipe*> recipes;
    for (const Effect& effect : list) {
        recipes.push_back(&effect.recipe);
    }
    if (!cookAll(recipes, options.cacheDir, std::max(1, options.jobs), error)) {
        return false;
    }
    roles.clear();
    const Player& player = Player::shared();
    for (const Effect& effect : list) {
        const std::filesystem::path made = cachedFile(options.cacheDir, effect.recipe);
        if (const std::string why = player.whyUnplayable(readFile(made)); !why.empty()) {
            error = "effect " + effect.role + ", made, cannot be played by the program: " + why;
            return false;
        }
        if (!place(made, options.outDir / (effect.role + ".wav"), error)) {
            return false;
        }
        roles.push_back(effect.role);
    }
    return true;
}

} // namespace bookmaker
