// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what the program played, as SDL's disk driver wrote it (16-bit
// stereo at 22,050 Hz), for the whole-program test:
//   audio_probe runs <file> <from-byte>     the sounds after from-byte, one
//                                           "start end" (bytes) a line
//   audio_probe same <file> <a> <b> <bytes> exit 0 when the bytes at a and
//                                           at b are the same sound
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr long kFrameBytes = 4;
constexpr long kRate = 22050;
// Quiet this long ends one sound: longer than the pauses inside a clip.
constexpr long kGapFrames = kRate * 35 / 100;

// In one read: the recording grows to megabytes, and a test asks many times.
std::vector<char> readAll(const char* path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<char> bytes(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, in.gcount())));
    return bytes;
}

bool loud(const std::vector<char>& audio, long frame) {
    for (long i = frame * kFrameBytes; i < (frame + 1) * kFrameBytes; ++i) {
        if (audio[static_cast<std::size_t>(i)] != 0) {
            return true;
        }
    }
    return false;
}

int runs(const std::vector<char>& audio, long from) {
    const long frames = static_cast<long>(audio.size()) / kFrameBytes;
    long start = -1;
    long lastLoud = -1;
    for (long f = std::max(0L, from / kFrameBytes); f < frames; ++f) {
        if (!loud(audio, f)) {
            if (start >= 0 && f - lastLoud > kGapFrames) {
                std::cout << start * kFrameBytes << ' ' << (lastLoud + 1) * kFrameBytes << '\n';
                start = -1;
            }
            continue;
        }
        if (start < 0) {
            start = f;
        }
        lastLoud = f;
    }
    if (start >= 0) {
        std::cout << start * kFrameBytes << ' ' << (lastLoud + 1) * kFrameBytes << '\n';
    }
    return 0;
}

int same(const std::vector<char>& audio, long a, long b, long bytes) {
    const auto size = static_cast<long>(audio.size());
    if (a < 0 || b < 0 || bytes <= 0 || a + bytes > size || b + bytes > size) {
        std::cerr << "outside the recording\n";
        return 2;
    }
    return std::memcmp(audio.data() + a, audio.data() + b, static_cast<std::size_t>(bytes)) == 0
               ? 0
               : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "runs" && argc == 4) {
        return runs(readAll(argv[2]), std::atol(argv[3]));
    }
    if (command == "same" && argc == 6) {
        return same(readAll(argv[2]), std::atol(argv[3]), std::atol(argv[4]), std::atol(argv[5]));
    }
    std::cerr << "usage: audio_probe runs <file> <from-byte> | same <file> <a> <b> <bytes>\n";
    return 2;
}
