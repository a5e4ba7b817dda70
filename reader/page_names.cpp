// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_names.h"

namespace reader {

std::string pageName(int page) {
    return page == kDrillPage ? "背单词" : std::to_string(bookPageOf(page));
}

std::string pagePictureName(int page) {
    const std::string prefix = "图片框底图";
    switch (page) {
    case 0:
        return prefix + "2";
    case 1:
        return prefix + "4";
    case 2:
        return prefix + "1";
    case 3:
        return prefix + "3";
    case kDrillPage:
        return prefix + "背单词";
    default:
        return prefix + std::to_string(page + 1);
    }
}

std::string hotspotName(int bookPage, int k) {
    const std::string page = bookPage == 2 ? "二" : bookPage == 4 ? "四" : std::to_string(bookPage);
    return "透明标签页" + page + "_" + std::to_string(k);
}

std::string overlayName(int bookPage) {
    return "透明标签练一练是否错误" + std::to_string(bookPage) + "_0";
}

} // namespace reader
