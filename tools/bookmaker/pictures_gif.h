// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GIF files, which Qt reads but cannot write: a colour table shared by all
// frames and LZW-coded frames.

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace bookmaker {

// Writes the frames (all of one size) as a GIF; with more than one frame it
// loops forever, showing each frame for delayCentiseconds. Pure white stays
// pure white, so a reader that treats white as transparent can rely on it.
bool writeGif(const std::vector<QImage>& frames, int delayCentiseconds,
              const std::filesystem::path& file, std::string& error);

} // namespace bookmaker
