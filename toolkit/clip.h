// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An audio clip: a complete WAV file held in memory. Clips are shared by
// reference and never copied; the bytes live as long as the program.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tk {

struct Clip {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;

    bool empty() const { return data == nullptr || size == 0; }
    friend bool operator==(const Clip&, const Clip&) = default;
};

using ClipList = std::vector<Clip>;

} // namespace tk
