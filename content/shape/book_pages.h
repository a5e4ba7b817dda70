// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the book's pages are numbered and where its tick boxes show: the book
// maker, which draws and indexes the pages, and the program go by the same.

#include "rect.h"

namespace content {

constexpr int kLessonPages = 34; // page index 0-33: book pages 2-68
constexpr int kBookPages = 36;   // reader pages 0-35: book pages 2-70 and 74

// Two book pages to a reader page, then the word list (70) and the
// classroom (74).
constexpr int bookPageOf(int readerPage) {
    return readerPage == kBookPages - 1 ? 74 : 2 * (readerPage + 1);
}
constexpr int readerPageOf(int bookPage) {
    return bookPage == 74 ? kBookPages - 1 : bookPage / 2 - 1;
}

struct Corner {
    double left = 0;
    double top = 0;
};

// A tick box shows moved by half its size from where the book places it,
// on a page drawn at any scale.
constexpr Corner tickBoxCorner(const tk::Rect& box, double scaleX, double scaleY) {
    return {box.left * scaleX + box.width * scaleX / 2, box.top * scaleY + box.height * scaleY / 2};
}

} // namespace content
