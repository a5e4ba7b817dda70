// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the mixer first mixes a buffer with sound in it, and how long its
// buffers are: the moment a child would hear what the program played. Over
// a background (a game's music), what its channel adds to a buffer is taken
// out before the buffer is looked at, so that only the new sound counts.

#include "sdl_sound.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

namespace first_sample {

using Clock = std::chrono::steady_clock;

inline std::atomic<bool> heard{false};
inline std::atomic<std::int64_t> heardAt{0};
inline std::atomic<int> bufferFrames{0};

inline int backgroundChannel = -1;
// Written and read on the mixer's thread only.
inline std::vector<std::int16_t> backgroundSamples;
inline std::size_t backgroundFill = 0;

// The background channel's samples, as they go into the buffer: at full
// volume the mixer adds them unchanged.
inline void onBackground(int, void* stream, int len, void*) {
    const auto* samples = static_cast<const std::int16_t*>(stream);
    const std::size_t count = static_cast<std::size_t>(len) / 2;
    if (backgroundSamples.size() < backgroundFill + count) {
        backgroundSamples.resize(backgroundFill + count);
    }
    std::copy(samples, samples + count, backgroundSamples.begin() + backgroundFill);
    backgroundFill += count;
}

inline void onMix(void*, Uint8* stream, int len) {
    bufferFrames = len / 4;
    const std::size_t background = backgroundFill;
    backgroundFill = 0;
    if (heard) {
        return;
    }
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    for (std::size_t i = 0; i < static_cast<std::size_t>(len) / 2; ++i) {
        if (samples[i] != (i < background ? backgroundSamples[i] : 0)) {
            heardAt = Clock::now().time_since_epoch().count();
            heard = true;
            return;
        }
    }
}

inline void listen() {
    Mix_SetPostMix(onMix, nullptr);
}

// Listens for anything but what the channel plays.
inline void listenOver(int channel) {
    listen();
    Mix_RegisterEffect(channel, onBackground, nullptr, nullptr);
    backgroundChannel = channel;
}

inline void stopListening() {
    Mix_SetPostMix(nullptr, nullptr);
    if (backgroundChannel >= 0) {
        Mix_UnregisterEffect(backgroundChannel, onBackground);
        backgroundChannel = -1;
    }
}

// Waits until something is heard; false after the timeout.
inline bool awaitHeard(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    const auto deadline = Clock::now() + timeout;
    while (!heard && Clock::now() < deadline) {
        std::this_thread::yield();
    }
    return heard;
}

inline Clock::time_point heardTime() {
    return Clock::time_point(Clock::duration(heardAt.load()));
}

inline double periodMs() {
    return 1000.0 * bufferFrames.load() / double(tk::kOutputRate);
}

// How long a clip is silent before its first sample, in ms: a child hears
// it that much later than its first buffer is mixed. The mixer must be open.
inline double leadingSilenceMs(tk::Clip clip) {
    Mix_Chunk* chunk = tk::DecodeClip(clip);
    if (chunk == nullptr) {
        return 0;
    }
    const auto* samples = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    const std::size_t count = chunk->alen / 2;
    const std::size_t first = static_cast<std::size_t>(
        std::find_if(samples, samples + count, [](std::int16_t s) { return s != 0; }) - samples);
    Mix_FreeChunk(chunk);
    return 1000.0 * double(first / 2) / tk::kOutputRate;
}

// Sleeps for after seconds and on to a random point of the mixer's period:
// a click comes at any moment of it, as a child's would.
inline void sleepIntoPeriod(std::mt19937& random, double after) {
    const double period = std::max(1, bufferFrames.load()) / double(tk::kOutputRate);
    std::this_thread::sleep_for(std::chrono::duration<double>(
        std::uniform_real_distribution<double>(after, after + period)(random)));
}

struct Wait {
    bool heard = false;
    Clock::time_point clicked;
    double ms = 0; // from the click to its first sample
};

// Makes the click at a random point of the mixer's period, after seconds
// on, and waits for what it plays to be heard. Whatever played before must
// have been silenced.
template <typename Click> Wait clickAndListen(std::mt19937& random, double after, Click click) {
    sleepIntoPeriod(random, after);
    heard = false;
    Wait wait;
    wait.clicked = Clock::now();
    click();
    wait.heard = awaitHeard();
    wait.ms = std::chrono::duration<double, std::milli>(heardTime() - wait.clicked).count();
    return wait;
}

} // namespace first_sample
