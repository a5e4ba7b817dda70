// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// How pages, page pictures and hotspots are numbered and named, and where
// the course list jumps.
#include "reader/navigation.h"
#include "reader/page_names.h"

#include <gtest/gtest.h>

namespace {

TEST(PageNames, PagesPicturesAndHotspots) {
    struct Case {
        int page;
        int bookPage;
        const char* pageName;
        const char* picture;
    };
    const Case cases[] = {
        {0, 2, "2", "图片框底图2"},     {1, 4, "4", "图片框底图4"},
        {2, 6, "6", "图片框底图1"},     {3, 8, "8", "图片框底图3"},
        {4, 10, "10", "图片框底图5"},   {33, 68, "68", "图片框底图34"},
        {34, 70, "70", "图片框底图35"}, {35, 74, "74", "图片框底图36"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reader::bookPageOf(c.page), c.bookPage) << c.page;
        EXPECT_EQ(reader::pageName(c.page), c.pageName) << c.page;
        EXPECT_EQ(reader::pagePictureName(c.page), c.picture) << c.page;
    }
    EXPECT_EQ(reader::pageName(36), "背单词");
    EXPECT_EQ(reader::pagePictureName(36), "图片框底图背单词");

    EXPECT_EQ(reader::hotspotName(2, 1), "透明标签页二_1");
    EXPECT_EQ(reader::hotspotName(4, 19), "透明标签页四_19");
    EXPECT_EQ(reader::hotspotName(6, 25), "透明标签页6_25");
    EXPECT_EQ(reader::hotspotName(74, 36), "透明标签页74_36");
    EXPECT_EQ(reader::overlayName(2), "透明标签练一练是否错误2_0");
    EXPECT_EQ(reader::overlayName(68), "透明标签练一练是否错误68_0");
}

TEST(CourseList, ItemDataPicksTheFirstPageOfEachUnit) {
    const int expected[][2] = {{1, 0},  {2, 5},  {3, 10}, {4, 15}, {5, 17},
                               {6, 22}, {7, 27}, {8, 32}, {9, 34}};
    for (const auto& [data, page] : expected) {
        EXPECT_EQ(reader::coursePage(data), page) << data;
    }
    for (const int other : {0, -1, 10}) {
        EXPECT_EQ(reader::coursePage(other), -1) << other;
    }
}

} // namespace
