// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed shape of the built-in book, as the program relies on it.

#include "catalogue.h"
#include "lists.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace tk {
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << r.left << "," << r.top << " " << r.width << "x" << r.height;
}
} // namespace tk

namespace book_shape {

struct PageShape {
    int bookPage;
    int items;
    std::vector<int> placeholders; // "$" items
};

inline std::vector<int> span(int first, int last) {
    std::vector<int> items;
    for (int k = first; k <= last; ++k) {
        items.push_back(k);
    }
    return items;
}

inline const std::vector<PageShape>& pages() {
    static const std::vector<PageShape> shapes = {{2, 9, {}},
                                                  {4, 19, {}},
                                                  {6, 25, {25}},
                                                  {8, 21, span(17, 20)},
                                                  {10, 26, {3, 7}},
                                                  {12, 8, {}},
                                                  {14, 23, span(20, 23)},
                                                  {16, 25, {25}},
                                                  {18, 24, span(13, 16)},
                                                  {20, 18, {3, 7}},
                                                  {22, 10, {}},
                                                  {24, 21, span(18, 21)},
                                                  {26, 21, {21}},
                                                  {28, 21, {}},
                                                  {30, 28, {3, 7}},
                                                  {32, 22, span(14, 21)},
                                                  {34, 7, {7}},
                                                  {36, 9, {}},
                                                  {38, 24, {}},
                                                  {40, 27, {27}},
                                                  {42, 25, span(11, 15)},
                                                  {44, 17, {3, 7}},
                                                  {46, 8, {}},
                                                  {48, 24, span(19, 24)},
                                                  {50, 20, {20}},
                                                  {52, 19, span(8, 11)},
                                                  {54, 17, {3, 7}},
                                                  {56, 8, {}},
                                                  {58, 23, span(20, 23)},
                                                  {60, 15, span(3, 7)},
                                                  {62, 20, span(10, 13)},
                                                  {64, 18, {3, 5, 8, 12, 13, 14, 15}},
                                                  {66, 20, {}},
                                                  {68, 5, {5}}};
    return shapes;
}

// Book pages of unit u (1-6).
inline std::vector<int> unitPages(int unit) {
    static const int first[] = {2, 12, 22, 36, 46, 56};
    const int start = first[unit - 1];
    return {start, start + 2, start + 4, start + 6, start + 8};
}

inline int pageIndex(int bookPage) {
    return content::readerPageOf(bookPage);
}

class Book : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { content::loadBook(); }
    static DealtLists lists(int bookPage) {
        return dealLines(content::pageTextList(pageIndex(bookPage)));
    }
};

} // namespace book_shape
