// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws every picture of the book: the 36 spreads and the pictures of the
// windows, exercises and games.

#include "book_source.h"

#include <filesystem>
#include <string>
#include <vector>

namespace bookmaker {

// Page-70 hotspots in hotspot order (71), laid out from the word lists.
struct WordListEntry {
    int unit = 0;
    int word = 0; // 1-based in the unit's list
    tk::Rect rect;
};

// A picture button's face: buttons/<name>.jpg, width x height, with its
// label printed on it.
struct ButtonFace {
    std::string name; // file name without .jpg: the window and the button's role
    int width = 0;
    int height = 0;
    std::string label; // UTF-8
};

// Every button face that renderPictures writes.
const std::vector<ButtonFace>& buttonFaces();

struct PictureOptions {
    std::filesystem::path outDir; // files written here (see renderPictures)
    // Holds a folder of pictures for each of the three drawing identities
    // used last (drawingCache); older ones are removed.
    std::filesystem::path cacheDir;
    // What draws the pictures (drawingIdentity, a hex digest): part of every
    // picture's key, so that new drawing code or new fonts draw every picture
    // again.
    std::string drawing;
};

// Where the pictures of options.drawing are kept: cacheDir/<its first 16
// hex digits>.
std::filesystem::path drawingCache(const PictureOptions& options);

// One digest of what draws the pictures besides their inputs: the program's
// own bytes, and each file it draws with by path, size and modification
// time. Empty, with error set, when the program cannot be read.
std::string drawingIdentity(const std::filesystem::path& program,
                            const std::vector<std::filesystem::path>& drawnWith,
                            std::string& error);

// The files this process draws with: the libraries it has loaded (the JPEG
// writer's among them) and every font the font configuration offers, since
// a glyph missing from the book's faces is drawn from whichever font has it.
std::vector<std::filesystem::path> filesDrawnWith();

// Needs a QGuiApplication (the offscreen platform will do) and
// options.drawing. Writes, under outDir (a picture whose inputs and drawing
// identity are unchanged since it was written is kept):
//   pages/page<NN>.jpg for book pages 02-70 and 74 (2400 x 1620),
//   pictures/<role>.<jpg|gif> for every picture role of content/catalogue.h
//   (start_background.jpg, cover.jpg, loading.gif, listen_icon.jpg,
//   tick_mark.jpg, cross_mark.jpg, drill_background.jpg,
//   ordering_background.jpg, matching_background.jpg, finding_background.jpg,
//   tile_face1.jpg, tile_face2.jpg, flower.gif) and buttons/<name>.jpg.
bool renderPictures(const BookSource& book, const PictureOptions& options, std::string& error);

// Page 70: where each of the 71 words with a clip is printed (hotspot order).
std::vector<WordListEntry> layoutPage70(const BookSource& book);

// Draws every spread small on a few PNG sheets (outDir/sheet<N>.png) with each
// hotspot rectangle outlined and numbered, for checking at a glance.
bool renderContactSheet(const BookSource& book, const std::vector<WordListEntry>& page70,
                        const std::filesystem::path& pagesDir, const std::filesystem::path& outDir,
                        std::string& error);

} // namespace bookmaker
