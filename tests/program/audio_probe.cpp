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
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr long kFrameBytes = 4;
constexpr long kRate = 22050;
// Quiet this long ends one sound: longer than the pauses inside a clip.
constexpr long kGapFrames = kRate * 35 / 100;

// The bytes of the file from byte `from` on, `count` of them at most (all
// when count < 0). The recording grows by 88 kB a second: read whole for
// every look, it took longer than the program's pauses last.
std::vector<char> readPart(const char* path, long from, long count = -1) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const long size = in ? static_cast<long>(in.tellg()) : 0;
    if (from < 0 || from >= size) {
        return {};
    }
    const long length = count < 0 ? size - from : std::min(count, size - from);
    std::vector<char> bytes(static_cast<std::size_t>(length));
    in.seekg(from);
    in.read(bytes.data(), length);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
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

// Positions are printed as bytes of the whole file.
int runs(const char* path, long from) {
    const long base = std::max(0L, from / kFrameBytes) * kFrameBytes;
    const std::vector<char> audio = readPart(path, base);
    const auto at = [base](long frame) { return base + frame * kFrameBytes; };
    const long frames = static_cast<long>(audio.size()) / kFrameBytes;
    long start = -1;
    long lastLoud = -1;
    for (long f = 0; f < frames; ++f) {
        if (!loud(audio, f)) {
            if (start >= 0 && f - lastLoud > kGapFrames) {
                std::cout << at(start) << ' ' << at(lastLoud + 1) << '\n';
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
        std::cout << at(start) << ' ' << at(lastLoud + 1) << '\n';
    }
    return 0;
}

int same(const char* path, long a, long b, long bytes) {
    if (a < 0 || b < 0 || bytes <= 0) {
        std::cerr << "outside the recording\n";
        return 2;
    }
    const std::vector<char> first = readPart(path, a, bytes);
    const std::vector<char> second = readPart(path, b, bytes);
    if (static_cast<long>(first.size()) != bytes || static_cast<long>(second.size()) != bytes) {
        std::cerr << "outside the recording\n";
        return 2;
    }
    return first == second ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "runs" && argc == 4) {
        return runs(argv[2], std::atol(argv[3]));
    }
    if (command == "same" && argc == 6) {
        return same(argv[2], std::atol(argv[3]), std::atol(argv[4]), std::atol(argv[5]));
    }
    std::cerr << "usage: audio_probe runs <file> <from-byte> | same <file> <a> <b> <bytes>\n";
    return 2;
}
