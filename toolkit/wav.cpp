// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav.h"

#include <cstring>
#include <string_view>

namespace tk {

namespace {

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFmtMinimum = 16;

std::uint16_t u16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(u16(p)) | (static_cast<std::uint32_t>(u16(p + 2)) << 16);
}

bool hasId(const std::uint8_t* p, std::string_view id) {
    return std::memcmp(p, id.data(), 4) == 0;
}

} // namespace

std::optional<WavInfo> ReadWav(Clip clip) {
    if (clip.empty() || clip.size < 12 || !hasId(clip.data, "RIFF") ||
        !hasId(clip.data + 8, "WAVE")) {
        return std::nullopt;
    }
    WavInfo info;
    bool haveFmt = false;
    // The RIFF size field is often wrong in files written by streaming tools,
    // so the walk goes by the bytes actually present.
    std::size_t pos = 12;
    while (clip.size - pos >= kChunkHeader) {
        const std::uint8_t* chunk = clip.data + pos;
        const std::size_t body = pos + kChunkHeader;
        const std::size_t declared = u32(chunk + 4);
        const std::size_t available = clip.size - body;
        if (hasId(chunk, "fmt ")) {
            if (declared < kFmtMinimum || declared > available) {
                return std::nullopt;
            }
            const std::uint8_t* fmt = clip.data + body;
            info.formatTag = u16(fmt);
            info.channels = u16(fmt + 2);
            info.sampleRate = u32(fmt + 4);
            info.bitsPerSample = u16(fmt + 14);
            haveFmt = true;
        } else if (hasId(chunk, "data") && info.data.data == nullptr) {
            info.data = {clip.data + body, declared < available ? declared : available};
        }
        if (haveFmt && info.data.data != nullptr) {
            return info;
        }
        if (declared >= available) {
            break;
        }
        // Chunks start on even offsets: an odd-sized body is followed by a pad byte.
        pos = body + declared + (declared & 1);
    }
    return std::nullopt;
}

} // namespace tk
