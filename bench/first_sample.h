// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the mixer first mixes a buffer with sound in it, and how long its
// buffers are: the moment a child would hear what the program played.

#include <SDL_mixer.h>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace first_sample {

using Clock = std::chrono::steady_clock;

inline std::atomic<bool> heard{false};
inline std::atomic<std::int64_t> heardAt{0};
inline std::atomic<int> bufferFrames{0};

inline void onMix(void*, Uint8* stream, int len) {
    bufferFrames = len / 4;
    if (heard) {
        return;
    }
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    for (int i = 0; i < len / 2; ++i) {
        if (samples[i] != 0) {
            heardAt = Clock::now().time_since_epoch().count();
            heard = true;
            return;
        }
    }
}

inline void listen() {
    Mix_SetPostMix(onMix, nullptr);
}
inline void stopListening() {
    Mix_SetPostMix(nullptr, nullptr);
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

} // namespace first_sample
