// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The tile faces' margin made white again, so that the board leaves it out.
#include "catalogue.h"
#include "draw_panel.h"
#include "games/matching/tile_faces.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// A 20 x 20 face: a margin of off-white noise, a dark ring at 5-14 and a
// light highlight inside it.
QImage face() {
    QImage image(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool ring = x >= 5 && x <= 14 && y >= 5 && y <= 14;
            const bool inside = x >= 7 && x <= 12 && y >= 7 && y <= 12;
            QRgb colour = (x + y) % 2 ? qRgb(231, 255, 241) : qRgb(255, 244, 255);
            if (inside) {
                colour = qRgb(240, 250, 245);
            } else if (ring) {
                colour = qRgb(79, 158, 47);
            }
            image.setPixel(x, y, colour);
        }
    }
    // White already, and a path on into the margin.
    image.setPixel(0, 0, kWhite);
    return image;
}

TEST(TileFaces, TheOffWhiteMarginBecomesWhiteAndTheInsideStaysAsItIs) {
    const QImage before = face();
    const QImage after = matching::withWhiteMargin(before);
    ASSERT_EQ(after.size(), before.size());
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool ring = x >= 5 && x <= 14 && y >= 5 && y <= 14;
            if (ring) {
                EXPECT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            } else {
                EXPECT_EQ(after.pixel(x, y), kWhite) << x << "," << y;
            }
        }
    }
}

TEST(TileFaces, TheBooksFacesLoseTheirWholeMarginAndKeepTheirFill) {
    content::loadBook();
    for (const auto role : {content::PictureRole::TileFace1, content::PictureRole::TileFace2}) {
        const QImage raw =
            tk::LoadPicture(content::picture(role)).convertToFormat(QImage::Format_RGB32);
        const QImage drawn = matching::withWhiteMargin(raw);
        ASSERT_EQ(drawn.size(), QSize(80, 70));
        for (const QPoint corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 69), QPoint(79, 69),
                                    QPoint(0, 35), QPoint(79, 35), QPoint(40, 0), QPoint(40, 69)}) {
            EXPECT_EQ(drawn.pixel(corner), kWhite) << corner.x() << "," << corner.y();
        }
        // The fill and its highlight band are left as they were.
        for (int y = 8; y < 62; ++y) {
            for (int x = 8; x < 72; ++x) {
                ASSERT_EQ(drawn.pixel(x, y), raw.pixel(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(TileFaces, NoPictureStaysNoPicture) {
    EXPECT_TRUE(matching::withWhiteMargin(QImage()).isNull());
}

} // namespace
