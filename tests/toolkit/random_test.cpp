// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The random generator. Suites are named "random" so ctest -R random picks
// them out.
#include "clock.h"
#include "random.h"
#include "support/ground.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The first draws of the classic C library generator after seeding 1.
constexpr std::array<int, 10> kDrawsAfterSeedOne = {41,    18467, 6334,  26500, 19169,
                                                    15724, 11478, 29358, 26962, 24464};

// The generator written out again from its constants, to derive what a range
// must give.
constexpr std::uint64_t kMultiplier = 214013;
constexpr std::uint64_t kIncrement = 2531011;
constexpr std::uint64_t kModulus = std::uint64_t{1} << 32;

std::uint64_t nextState(std::uint64_t state) {
    return (state * kMultiplier + kIncrement) % kModulus;
}
int drawOf(std::uint64_t state) {
    return static_cast<int>(state / 65536 % 32768);
}

std::vector<int> referenceDraws(unsigned seed, int count) {
    std::uint64_t state = seed;
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) {
        state = nextState(state);
        draws.push_back(drawOf(state));
    }
    return draws;
}

// The seed behind full-range draws. A draw shows bits 16-30 of the state; the
// 17 hidden bits of the first state are tried against the draws that follow,
// then the step back to the seed undoes the multiplier with its inverse.
std::uint64_t seedBehind(const std::vector<int>& draws) {
    std::uint64_t inverse = kMultiplier; // Newton: each step doubles the right bits
    for (int i = 0; i < 5; ++i) {
        inverse = inverse * (2 + kModulus - kMultiplier * inverse % kModulus) % kModulus;
    }
    for (std::uint64_t hidden = 0; hidden < (1u << 17); ++hidden) {
        const std::uint64_t first = (hidden >> 16) << 31 |
                                    static_cast<std::uint64_t>(draws.front()) << 16 |
                                    (hidden & 0xFFFF);
        std::uint64_t state = first;
        std::size_t matched = 1;
        while (matched < draws.size() && drawOf(state = nextState(state)) == draws[matched]) {
            ++matched;
        }
        if (matched == draws.size()) {
            return (first + kModulus - kIncrement) % kModulus * inverse % kModulus;
        }
    }
    ADD_FAILURE() << "no seed gives these draws";
    return 0;
}

std::vector<int> drawMany(int count, int min, int max) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(tk::RandomInt(min, max));
    }
    return values;
}

TEST(random, ReferenceGivesKnownDrawsAndFindsTheirSeed) {
    const std::vector<int> draws = referenceDraws(1, 10);
    EXPECT_TRUE(std::equal(draws.begin(), draws.end(), kDrawsAfterSeedOne.begin()));
    EXPECT_EQ(seedBehind(draws), 1u);
    EXPECT_EQ(seedBehind(referenceDraws(4000000000u, 4)), 4000000000u);
}

TEST(random, FullRangeGivesTheRawDraws) {
    tk::SeedRandom(1);
    for (int expected : kDrawsAfterSeedOne) {
        EXPECT_EQ(tk::RandomInt(), expected);
    }
}

TEST(random, RangesTakeTheDrawModuloTheirSize) {
    struct Case {
        const char* name;
        int min;
        int max;
        int low;  // min after the bounds are put right
        int size; // values in the range
    };
    const Case cases[] = {
        {"small", 1, 3, 1, 3},
        {"swapped", 3, 1, 1, 3},
        {"dice", 1, 6, 1, 6},
        {"negative min", -5, 2, 0, 3},
        {"negative max swapped", 2, -7, 0, 3},
        {"wider than a draw", 10, 100000, 10, 99991},
        {"up to the largest int", 1, INT_MAX, 1, INT_MAX},
        {"top two ints", INT_MAX - 1, INT_MAX, INT_MAX - 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tk::SeedRandom(2024);
        for (int draw : referenceDraws(2024, 20)) {
            EXPECT_EQ(tk::RandomInt(c.min, c.max),
                      static_cast<int>(c.low + std::int64_t{draw} % c.size));
        }
    }
}

TEST(random, SwappedBoundsStayInRange) {
    tk::SeedRandom(7);
    const std::vector<int> values = drawMany(300, 3, 1);
    for (int value : values) {
        EXPECT_GE(value, 1);
        EXPECT_LE(value, 3);
    }
    for (int wanted : {1, 2, 3}) {
        EXPECT_NE(std::find(values.begin(), values.end(), wanted), values.end()) << wanted;
    }
}

TEST(random, EqualBoundsGiveThemWithoutADraw) {
    tk::SeedRandom(1);
    EXPECT_EQ(tk::RandomInt(5, 5), 5);
    EXPECT_EQ(tk::RandomInt(-4, -9), 0);
    EXPECT_EQ(tk::RandomInt(0, -1), 0);
    EXPECT_EQ(tk::RandomInt(), kDrawsAfterSeedOne[0]);
}

TEST(random, SameSeedGivesSameSequence) {
    tk::SeedRandom(99);
    const std::vector<int> first = drawMany(50, 0, 1000);
    tk::SeedRandom(99);
    EXPECT_EQ(drawMany(50, 0, 1000), first);
    tk::SeedRandom(100);
    EXPECT_NE(drawMany(50, 0, 1000), first);
}

TEST(random, SeedingTwiceInOneMillisecondGivesNewSequences) {
    // The hand-driven clock stands still unless a test advances it.
    const testing_ground::Ground ground;
    ASSERT_EQ(tk::TickCount(), tk::TickCount());
    std::vector<std::vector<int>> sequences;
    for (int i = 0; i < 4; ++i) {
        tk::SeedRandom();
        sequences.push_back(drawMany(8, 0, 32767));
    }
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        for (std::size_t j = i + 1; j < sequences.size(); ++j) {
            EXPECT_NE(sequences[i], sequences[j]) << i << " and " << j;
        }
    }
}

// Each seeding takes the tick plus the counter; the counter then grows by
// (that sum mod 256) + 100.
TEST(random, SeedingWithoutASeedAddsTickAndGrowingCounter) {
    testing_ground::Ground ground;
    tk::SeedRandom();
    const std::uint64_t first = seedBehind(drawMany(4, 0, 32767));
    tk::SeedRandom();
    const std::uint64_t second = seedBehind(drawMany(4, 0, 32767));
    EXPECT_EQ(second, (first + first % 256 + 100) % kModulus);
    ground.clock.advance(5000);
    tk::SeedRandom();
    const std::uint64_t third = seedBehind(drawMany(4, 0, 32767));
    EXPECT_EQ(third, (second + second % 256 + 100 + 5000) % kModulus);
}

} // namespace
