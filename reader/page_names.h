// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the reader's pages, page pictures and hotspots are numbered and named.

#include "book_pages.h"

#include <string>

namespace reader {

// Pages 0-35 show the book as content numbers it; the word drill follows.
using content::bookPageOf;
using content::kLessonPages;
constexpr int kWordListPage = content::readerPageOf(70);
constexpr int kLastBookPage = content::readerPageOf(74);
constexpr int kDrillPage = content::kBookPages;
constexpr int kPages = kDrillPage + 1;

// The page control's page name: "2" ... "70", "74", "背单词".
std::string pageName(int page);
// The picture box that holds the page: 图片框底图2, 图片框底图4, 图片框底图1, ...
std::string pagePictureName(int page);
// 透明标签页<page>_<k>: the page written 二 and 四 for 2 and 4.
std::string hotspotName(int bookPage, int k);
// 透明标签练一练是否错误<page>_0 of a lesson page.
std::string overlayName(int bookPage);

} // namespace reader
