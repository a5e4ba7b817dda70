// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's scrolling title.
#include "draw_panel.h"
#include "reader/reader_title.h"
#include "reader_fixture.h"

#include <gtest/gtest.h>

using reader_tests::ReaderTest;

namespace {

TEST(ReaderTitle, MovesLeftUntilItsEndMeetsThePanelEdgeThenJumpsBack) {
    struct Case {
        int panel;
        int text;
        int offset;
        int next;
    };
    const Case cases[] = {
        {118, 300, 0, -1},    {118, 300, 10, 9},    {118, 300, -181, -182},
        {118, 300, -182, 10}, {118, 300, -183, 10}, {118, 100, 0, 10},
        {118, 100, 18, 10},   {118, 100, 19, 18},   {118, 118, 0, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reader::nextTitleOffset(c.panel, c.text, c.offset), c.next)
            << c.panel << " " << c.text << " " << c.offset;
    }
}

TEST_F(ReaderTest, TitleStepsEveryFiftyMilliseconds) {
    auto* panel = qobject_cast<tk::DrawPanel*>(unit("画板1").widget());
    ASSERT_NE(panel, nullptr);
    const tk::Text title = content::bookText(content::BookText::ReaderTitle);
    ASSERT_FALSE(title.empty());
    const int width = panel->textWidth(title);
    ASSERT_GT(width, panel->width());

    EXPECT_EQ(reader_tests::opener().display.titleOffset, 0);
    ground.clock.advance(49);
    EXPECT_EQ(reader_tests::opener().display.titleOffset, 0);
    ground.clock.advance(1);
    EXPECT_EQ(reader_tests::opener().display.titleOffset, -1);
    EXPECT_EQ(panel->writePosition(), QPoint(-1, 10));
    ground.clock.advance(100);
    EXPECT_EQ(reader_tests::opener().display.titleOffset, -3);

    // The end of the run: back to 10, then left again.
    reader_tests::opener().display.titleOffset = panel->width() - width;
    ground.clock.advance(50);
    EXPECT_EQ(reader_tests::opener().display.titleOffset, 10);
    EXPECT_EQ(panel->writePosition(), QPoint(10, 10));
    ground.clock.advance(50);
    EXPECT_EQ(reader_tests::opener().display.titleOffset, 9);
    EXPECT_FALSE(panel->canvas().isNull());
}

} // namespace
