// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include "clock.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tk {

namespace {

std::uint32_t randomState = 1;
std::uint64_t seedCounter = 0;

int nextDraw() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

} // namespace

void SeedRandom() {
    const std::uint64_t mixed = static_cast<std::uint64_t>(TickCount()) + seedCounter;
    SeedRandom(static_cast<unsigned>(mixed));
    seedCounter += mixed % 256 + 100;
}

void SeedRandom(unsigned seed) {
    randomState = seed;
}

int RandomInt(int min, int max) {
    min = std::max(min, 0);
    max = std::max(max, 0);
    if (min > max) {
        std::swap(min, max);
    }
    if (min == max) {
        return min;
    }
    const std::int64_t span = std::int64_t{max} - min + 1;
    return static_cast<int>(min + nextDraw() % span);
}

} // namespace tk
