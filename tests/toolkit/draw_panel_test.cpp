// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing panel keeps what is drawn on it until cleared.
#include "draw_panel.h"
#include "support/ground.h"
#include "unit_ref.h"
#include "window.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace tk;

namespace {

constexpr int kWhite = 0xFFFFFF;

QColor pixel(const DrawPanel& panel, int x, int y) {
    return panel.canvas().pixelColor(x, y);
}

bool anyPixelDiffers(const DrawPanel& panel, QRect area, QColor from) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (pixel(panel, x, y) != from) {
                return true;
            }
        }
    }
    return false;
}

QByteArray pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class DrawPanelTest : public testing_ground::GroundTest {
  protected:
    DrawPanelTest() {
        panel.resize(120, 40);
        panel.setBackgroundColour(Rgb(0, 0, 255));
    }
    DrawPanel panel{nullptr};
};

TEST_F(DrawPanelTest, WriteDrawsAtTheWritePositionAndClearRestoresTheBackground) {
    const QColor blue(0, 0, 255);
    panel.setTextColour(kWhite);
    Font font;
    font.size = 16;
    panel.setPanelFont(font);
    panel.setWritePosition(60, 4);
    panel.write("Hi"_gbk);
    EXPECT_FALSE(anyPixelDiffers(panel, QRect(0, 0, 58, 40), blue)) << "drawn left of 60";
    EXPECT_TRUE(anyPixelDiffers(panel, QRect(60, 4, 60, 36), blue));
    panel.clear(60, 0, 60, 40);
    EXPECT_FALSE(anyPixelDiffers(panel, QRect(0, 0, 120, 40), blue));
    EXPECT_EQ(panel.writePosition(), QPoint(60, 0));
}

TEST_F(DrawPanelTest, ClearRepaintsTheBackgroundPicture) {
    QImage picture(120, 40, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    panel.setBackgroundPicture(pngOf(picture));
    panel.drawLine(0, 0, 119, 39);
    panel.clear();
    EXPECT_EQ(pixel(panel, 0, 0), QColor(10, 200, 30));
    EXPECT_EQ(pixel(panel, 60, 20), QColor(10, 200, 30));
    EXPECT_EQ(panel.writePosition(), QPoint(0, 0));
}

TEST_F(DrawPanelTest, APictureWrittenThroughItsUnitIsStretchedOverThePanel) {
    WindowDef def;
    def.units = {unitDef("画板1", Kind::DrawPanel, {0, 0, 120, 40})};
    const auto window = CreateWindow(def);
    UnitRef unit = window->unit("画板1");
    QImage picture(60, 20, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    unit.setPicture(pngOf(picture));
    const auto* shown = qobject_cast<DrawPanel*>(unit.widget());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(pixel(*shown, 2, 2), QColor(10, 200, 30));
    EXPECT_EQ(pixel(*shown, 117, 37), QColor(10, 200, 30));
    EXPECT_EQ(unit.picture(), pngOf(picture));
}

TEST_F(DrawPanelTest, TextWidthGrowsWithTheTextAndChineseIsWide) {
    const int one = panel.textWidth("a"_gbk);
    EXPECT_GT(one, 0);
    EXPECT_GT(panel.textWidth("aaaa"_gbk), 3 * one);
    EXPECT_GT(panel.textWidth("中文"_gbk), panel.textWidth("ab"_gbk));
    EXPECT_EQ(panel.textWidth(Text()), 0);
}

TEST_F(DrawPanelTest, DrawPictureLeavesOutTheTransparentColour) {
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    for (int i = 0; i < 10; ++i) {
        picture.setPixelColor(i, 5, QColor(255, 255, 0));
    }
    const QImage loaded = LoadPicture(pngOf(picture));
    ASSERT_FALSE(loaded.isNull());
    panel.drawPicture(loaded, 20, 10, 0, 0, -Rgb(255, 0, 255));
    EXPECT_EQ(pixel(panel, 22, 12), QColor(0, 0, 255)) << "the magenta pixel was drawn";
    EXPECT_EQ(pixel(panel, 22, 15), QColor(255, 255, 0));
    panel.drawPicture(loaded, 40, 10, 20, 20);
    EXPECT_EQ(pixel(panel, 45, 12), QColor(255, 0, 255)) << "copied without transparency";
    EXPECT_EQ(pixel(panel, 58, 28), QColor(255, 0, 255)) << "stretched to 20 x 20";
}

TEST_F(DrawPanelTest, BrokenPictureDataDrawsNothing) {
    const QImage broken = LoadPicture(QByteArray("not a picture"));
    EXPECT_TRUE(broken.isNull());
    panel.drawPicture(broken, 0, 0);
    EXPECT_FALSE(anyPixelDiffers(panel, QRect(0, 0, 120, 40), QColor(0, 0, 255)));
}

} // namespace

namespace {

// Text written on a freshly cleared panel is copied from a strip laid out
// once; it must come out as text drawn over anything else does.
TEST(DrawPanelText, OnABlankPanelLooksAsDrawnOverOtherWork) {
    struct Case {
        int x;
        int y;
        const char* text;
    };
    const Case cases[] = {{0, 4, "其他年级及版本软件下载 https://example.org/"},
                          {-37, 4, "其他年级及版本软件下载 https://example.org/"},
                          {10, 10, "Pellora 三年级下册"},
                          {300, 2, "right edge"},
                          {5, -6, "cut at the top"}};
    for (const Case& c : cases) {
        tk::DrawPanel blank(nullptr);
        tk::DrawPanel drawnOn(nullptr);
        for (tk::DrawPanel* panel : {&blank, &drawnOn}) {
            panel->resize(360, 28);
            tk::Font font;
            font.size = 16;
            panel->setPanelFont(font);
            panel->setBackgroundColour(tk::Rgb(222, 241, 255));
            panel->setTextColour(tk::Rgb(0, 70, 200));
            panel->clear();
        }
        // A line in the bottom row, away from the text, makes the panel not
        // blank; it is cleared again afterwards so only the text path differs.
        drawnOn.drawLine(0, 27, 1, 27);
        blank.setWritePosition(c.x, c.y);
        blank.write(tk::toGbk(c.text));
        drawnOn.setWritePosition(c.x, c.y);
        drawnOn.write(tk::toGbk(c.text));
        drawnOn.clear(0, 27, 2, 1);
        blank.clear(0, 27, 2, 1);
        EXPECT_TRUE(blank.canvas() == drawnOn.canvas()) << c.text << " at " << c.x << "," << c.y;
    }
}

} // namespace
