// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The page picture cache: decoded once per size, decoded ahead on the
// worker, the least recently used let go beyond the budget.
#include "reader/page_pictures.h"
#include "reader_fixture.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr QSize kPageSize(800, 540);
constexpr std::size_t kPageBytes = 800 * 540 * 4;

class PagePicturesTest : public ::testing::Test {
  protected:
    void SetUp() override { content::loadBook(); }
};

TEST_F(PagePicturesTest, DecodesStraightAtTheSizeAsked) {
    const QImage page = reader::decodePicture(reader::pictureData(0), kPageSize);
    EXPECT_EQ(page.size(), kPageSize);
    const QImage drill = reader::decodePicture(reader::pictureData(36), QSize(800, 560));
    EXPECT_EQ(drill.size(), QSize(800, 560));
    // A real picture, not one flat colour.
    std::set<QRgb> colours;
    for (int x = 0; x < page.width(); x += 8) {
        colours.insert(page.pixel(x, page.height() / 2));
    }
    EXPECT_GT(colours.size(), 10U);
    EXPECT_TRUE(reader::decodePicture(QByteArray("not a picture"), kPageSize).isNull());
}

TEST_F(PagePicturesTest, EachPageAndSizeIsDecodedOnce) {
    reader::PagePictures pictures;
    const QImage first = pictures.picture(3, kPageSize);
    EXPECT_EQ(pictures.decodes(), 1);
    EXPECT_EQ(pictures.picture(3, kPageSize), first);
    EXPECT_EQ(pictures.decodes(), 1);
    EXPECT_EQ(pictures.picture(3, QSize(1280, 740)).size(), QSize(1280, 740));
    EXPECT_EQ(pictures.decodes(), 2);
    EXPECT_EQ(pictures.cachedBytes(), kPageBytes + 1280 * 740 * 4);
}

TEST_F(PagePicturesTest, PagesDecodedAheadAreTakenFromTheWorker) {
    reader::PagePictures pictures;
    pictures.decodeAhead(4, kPageSize);
    pictures.decodeAhead(4, kPageSize);
    pictures.decodeAhead(5, kPageSize);
    // Asked for while on its way: the worker's picture is waited for.
    const QImage four = pictures.picture(4, kPageSize);
    EXPECT_EQ(four.size(), kPageSize);
    pictures.settle();
    EXPECT_TRUE(pictures.isCached(5, kPageSize));
    EXPECT_EQ(pictures.decodes(), 2);
    EXPECT_EQ(pictures.picture(5, kPageSize).size(), kPageSize);
    EXPECT_EQ(pictures.decodes(), 2);
    // Cached pages are not decoded again.
    pictures.decodeAhead(5, kPageSize);
    pictures.settle();
    EXPECT_EQ(pictures.decodes(), 2);
}

TEST_F(PagePicturesTest, BeyondTheBudgetTheLeastRecentlyUsedGo) {
    reader::PagePictures pictures(2 * kPageBytes);
    pictures.picture(0, kPageSize);
    pictures.picture(1, kPageSize);
    pictures.picture(0, kPageSize); // page 1 is now the least recently used
    pictures.picture(2, kPageSize);
    EXPECT_TRUE(pictures.isCached(0, kPageSize));
    EXPECT_FALSE(pictures.isCached(1, kPageSize));
    EXPECT_TRUE(pictures.isCached(2, kPageSize));
    EXPECT_EQ(pictures.cachedBytes(), 2 * kPageBytes);
    // One picture larger than the whole budget is still kept, alone.
    pictures.picture(3, QSize(1920, 1020));
    EXPECT_TRUE(pictures.isCached(3, QSize(1920, 1020)));
    EXPECT_FALSE(pictures.isCached(0, kPageSize));
    EXPECT_FALSE(pictures.isCached(2, kPageSize));
}

using reader_tests::ReaderTest;

TEST_F(ReaderTest, TheNeighboursOfThePageShownAreDecodedAhead) {
    reader::pagePictures().settle();
    EXPECT_TRUE(reader::pagePictures().isCached(1, kPageSize));
    testing_ground::click(unit("超级按钮_下一页"));
    reader::pagePictures().settle();
    EXPECT_TRUE(reader::pagePictures().isCached(0, kPageSize));
    EXPECT_TRUE(reader::pagePictures().isCached(2, kPageSize));
}

} // namespace
