// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The start window's scrolling link line: the stepping rule alone, then the
// two timers driving it on the real panel.
#include "catalogue.h"
#include "draw_panel.h"
#include "start/link_line.h"
#include "start/start_links.h"
#include "start/start_window.h"
#include "support/ground.h"
#include "window.h"

#include <QColor>
#include <gtest/gtest.h>

using start::LinkDirection;
using start::LinkStep;
using namespace testing_ground;

namespace {

TEST(LinkLineStep, MovesOnePixelAndTurnsAtBothEnds) {
    constexpr auto L = LinkDirection::Left;
    constexpr auto R = LinkDirection::Right;
    struct Case {
        const char* what;
        int offset;
        int panelWidth;
        int textWidth;
        LinkDirection direction;
        LinkStep expected;
    };
    const Case cases[] = {
        {"first tick from the start", 0, 360, 560, L, {-1, L}},
        {"one short of the right end", -198, 360, 560, L, {-199, L}},
        {"right end meets the right edge", -199, 360, 560, L, {-200, R}},
        {"moving right again", -200, 360, 560, R, {-199, R}},
        {"one short of the left stop", 3, 360, 560, R, {4, R}},
        {"left end 5 pixels from the left edge", 4, 360, 560, R, {5, L}},
        {"moving left again from the stop", 5, 360, 560, L, {4, L}},
        {"text as wide as the panel turns at 0", 1, 360, 360, L, {0, R}},
        {"text narrower than the panel turns at once", 0, 360, 100, L, {-1, R}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(start::stepLinkLine(c.offset, c.panelWidth, c.textWidth, c.direction), c.expected)
            << c.what;
    }
}

TEST(LinkLineStep, NarrowTextStaysInsideThePanel) {
    // Text narrower than the panel never meets the right edge exactly; the
    // line must still stay put near the left stop instead of running away.
    LinkStep step;
    for (int tick = 0; tick < 1000; ++tick) {
        step = start::stepLinkLine(step.offset, 360, 100, step.direction);
        ASSERT_GE(step.offset, -1) << "tick " << tick;
        ASSERT_LE(step.offset, start::kLinkLineLeftStop) << "tick " << tick;
    }
}

class LinkLineTest : public GroundTest {
  protected:
    void SetUp() override {
        content::loadBook();
        start::setLinks({&offset, {}});
        window = tk::CreateWindow(start::startWindow());
        panelUnit = window->unit("画板1");
        panel = qobject_cast<tk::DrawPanel*>(panelUnit.widget());
        ASSERT_NE(panel, nullptr);
        textWidth = panel->textWidth(start::linkLineText());
        // Otherwise the line never turns.
        ASSERT_GT(textWidth, panelUnit.width());
    }

    int leftInterval() { return window->unit("时钟_左移").interval(); }
    int rightInterval() { return window->unit("时钟_右移").interval(); }

    // Whether any pixel of the panel's columns [from, to) differs from its
    // background.
    bool inkIn(int from, int to) const {
        const QImage& canvas = panel->canvas();
        const QRgb background = canvas.pixel(canvas.width() - 1, 0);
        for (int x = from; x < to; ++x) {
            for (int y = 0; y < canvas.height(); ++y) {
                if (canvas.pixel(x, y) != background) {
                    return true;
                }
            }
        }
        return false;
    }

    std::unique_ptr<tk::Window> window;
    tk::UnitRef panelUnit;
    tk::DrawPanel* panel = nullptr;
    int textWidth = 0;
    int offset = 0;
};

TEST_F(LinkLineTest, PlaysPingPongBetweenTheRightEdgeAndTheLeftStop) {
    const int panelWidth = panelUnit.width();
    const int rightEnd = panelWidth - textWidth;
    EXPECT_EQ(leftInterval(), 50);
    EXPECT_EQ(rightInterval(), 0);

    // Leftwards, one pixel per 50 ms, until the right end meets the edge.
    for (int expected = -1; expected >= rightEnd; --expected) {
        ground.clock.advance(50);
        ASSERT_EQ(offset, expected);
        ASSERT_EQ(panel->writePosition(), QPoint(expected, 4));
        if (expected > rightEnd) {
            ASSERT_EQ(leftInterval(), 50) << "turned early at " << expected;
        }
    }
    EXPECT_EQ(leftInterval(), 0);
    EXPECT_EQ(rightInterval(), 50);
    EXPECT_TRUE(inkIn(panelWidth - 12, panelWidth)) << "the text's end is not at the right edge";

    // Rightwards until it starts 5 pixels from the left edge.
    for (int expected = rightEnd + 1; expected <= 5; ++expected) {
        ground.clock.advance(50);
        ASSERT_EQ(offset, expected);
        if (expected < 5) {
            ASSERT_EQ(rightInterval(), 50) << "turned early at " << expected;
        }
    }
    EXPECT_EQ(leftInterval(), 50);
    EXPECT_EQ(rightInterval(), 0);
    EXPECT_FALSE(inkIn(0, 5)) << "text drawn left of the stop";
    EXPECT_TRUE(inkIn(5, 30)) << "the text does not start at the stop";

    // And off to the left again.
    ground.clock.advance(50);
    EXPECT_EQ(offset, 4);
}

TEST_F(LinkLineTest, PressingTheLineOpensTheDownloadPage) {
    press(panelUnit, 100, 10);
    const std::string address = tk::toUtf8(content::bookText(content::BookText::LinkUrl));
    ASSERT_TRUE(address.starts_with("https://"));
    ASSERT_EQ(ground.platform.urls.size(), 1u);
    EXPECT_EQ(ground.platform.urls[0].toStdString(), address);
}

TEST_F(LinkLineTest, ShowsTheLinkTextFollowedByTheAddress) {
    EXPECT_EQ(tk::toUtf8(start::linkLineText()),
              "其他年级及版本软件下载" + tk::toUtf8(start::linkAddress()));
}

} // namespace
