// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the sentence-ordering window writes: its face, colours and the
// instruction on the arranged line.

#include "unit_ref.h"

namespace ordering {

constexpr int kBlack = tk::Rgb(0, 0, 0);
constexpr int kBlue = tk::Rgb(0, 0, 255);
constexpr int kNavy = tk::Rgb(0, 0, 128);
constexpr int kGrey = tk::Rgb(128, 128, 128);

// UTF-8, as the window's table holds it.
constexpr const char* kInstruction =
    "请按照你认为正确的单词顺序单击上面单词，然后看看我什么变化哦...";

// This window writes whole font records: the face with the size.
inline tk::Font simSun(int size) {
    tk::Font font;
    font.size = size;
    font.face = "宋体";
    return font;
}

} // namespace ordering
