// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the reader's pages, page pictures and hotspots are numbered and named.

#include <string>

namespace reader {

constexpr int kLessonPages = 34;  // pages 0-33: book pages 2-68
constexpr int kWordListPage = 34; // book page 70
constexpr int kLastBookPage = 35; // book page 74
constexpr int kDrillPage = 36;
constexpr int kPages = 37;

// The book page shown by reader page 0-35.
int bookPageOf(int page);
// The page control's page name: "2" ... "70", "74", "背单词".
std::string pageName(int page);
// The picture box that holds the page: 图片框底图2, 图片框底图4, 图片框底图1, ...
std::string pagePictureName(int page);
// 透明标签页<page>_<k>: the page written 二 and 四 for 2 and 4.
std::string hotspotName(int bookPage, int k);
// 透明标签练一练是否错误<page>_0 of a lesson page.
std::string overlayName(int bookPage);

} // namespace reader
