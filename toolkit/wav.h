// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the layout of a RIFF/WAVE file held in memory: the fmt fields and
// where the sample data lies. Nothing is decoded; every read is bounds-checked.

#include "clip.h"

#include <cstdint>
#include <optional>

namespace tk {

inline constexpr std::uint16_t kWavPcm = 0x0001;
inline constexpr std::uint16_t kWavMsAdpcm = 0x0002;
inline constexpr std::uint16_t kWavMp3 = 0x0055;

struct WavInfo {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    // The data chunk's bytes; a data chunk cut short by the end of the file
    // keeps what is there.
    Clip data;
};

// Empty when the clip is not a WAVE file with a fmt and a data chunk.
std::optional<WavInfo> ReadWav(Clip clip);

} // namespace tk
