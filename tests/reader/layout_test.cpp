// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's layout: the arithmetic over numbers, then the units of a real
// reader in normal and full-screen mode.
#include "exercises/overlays.h"
#include "reader/page_names.h"
#include "reader/reader_layout.h"
#include "reader_fixture.h"
#include "unit_widgets.h"

#include <QWidget>
#include <gtest/gtest.h>

using reader::Point;
using reader::Scale;
using reader_tests::ReaderTest;

namespace {

TEST(ReaderLayout, ScaledValuesAreTruncatedTowardZero) {
    struct Case {
        int width;
        int height;
        tk::Rect page;    // 800 x 540 at 0, 0
        tk::Rect toolbar; // 1, 536, 792 x 59
        Point tick;       // a tick box designed at 106, 163, 15 x 16
        tk::Rect hotspot; // designed at 176, 72, 164 x 48
    };
    const Case cases[] = {
        {800, 600, {0, 0, 800, 540}, {1, 536, 792, 59}, {113, 171}, {176, 72, 164, 48}},
        {1280, 800, {0, 0, 1280, 740}, {1, 734, 1267, 80}, {181, 234}, {281, 98, 262, 65}},
        {1366, 768, {0, 0, 1366, 708}, {1, 702, 1352, 77}, {193, 224}, {300, 94, 280, 62}},
        {1920, 1080, {0, 0, 1920, 1020}, {2, 1012, 1900, 111}, {272, 322}, {422, 136, 393, 90}},
    };
    auto same = [](const tk::Rect& a, const tk::Rect& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    };
    for (const Case& c : cases) {
        const Scale scale = reader::layoutScale(c.width, c.height);
        EXPECT_TRUE(same(reader::scaledRect({0, 0, 800, 540}, scale), c.page)) << c.width;
        EXPECT_TRUE(same(reader::scaledRect({1, 536, 792, 59}, scale), c.toolbar)) << c.width;
        EXPECT_EQ(reader::tickBoxCorner({106, 163, 15, 16}, scale), c.tick) << c.width;
        EXPECT_TRUE(same(reader::scaledRect({176, 72, 164, 48}, scale), c.hotspot)) << c.width;
    }
    EXPECT_EQ(reader::scaled(-3, 1.5), -4);
    EXPECT_EQ(reader::scaledCorner({671, 10, 118, 40}, reader::layoutScale(1280, 800)),
              (Point{1073, 13}));
    EXPECT_EQ(reader::titlePanelLeft(792, 118), 672);
}

TEST_F(ReaderTest, NormalModeMovesTickBoxesClearsCaptionsAndRightAlignsTheTitle) {
    EXPECT_EQ(unit("选择框打钩64_1").left(), 113);
    EXPECT_EQ(unit("选择框打钩64_1").top(), 171);
    EXPECT_EQ(unit("选择框打钩64_1").width(), 15);
    EXPECT_EQ(unit("选择框打钩64_1").height(), 16);
    EXPECT_EQ(unit("画板1").left(), 672);
    EXPECT_EQ(unit("画板1").top(), 10);
    EXPECT_EQ(unit("高级选择夹1").width(), 800);
    EXPECT_EQ(unit("高级选择夹1").height(), 600);
    EXPECT_EQ(unit("分组框翻页").left(), 1);
    EXPECT_EQ(unit("分组框翻页").top(), 536);
    EXPECT_EQ(unit("图片框底图背单词").height(), 560);
    const tk::UnitRef edit = unit("编辑框10_1");
    EXPECT_EQ(edit.backgroundColor(), tk::Rgb(128, 224, 0));
    EXPECT_EQ(edit.font().size, 15);
    EXPECT_EQ(edit.left(), 79);
    for (const tk::UnitRef& label : tk::FindUnits(window.get(), "透明标签", "透明标签")) {
        EXPECT_TRUE(label.caption().empty()) << label.name();
    }
    EXPECT_EQ(testing_ground::captionOf(unit("超级按钮_全屏")), "全屏");
    EXPECT_EQ(tk::toUtf8(unit("超级按钮_全屏").hint()), "全屏");
    EXPECT_EQ(window->self().windowState(), 0);
}

// Enabled overlays cover their page picture exactly: a press on one comes in
// the page picture's own coordinates.
void expectOverlaysOverTheirPages(tk::Window& window) {
    exercises::setOverlays(window, true);
    for (int page = 0; page < reader::kLessonPages; ++page) {
        const tk::UnitRef overlay = window.unit(reader::overlayName(reader::bookPageOf(page)));
        const tk::UnitRef picture = window.unit(reader::pagePictureName(page));
        EXPECT_EQ(overlay.widget()->geometry(), picture.widget()->rect()) << overlay.name();
        EXPECT_EQ(overlay.widget()->mapTo(picture.widget(), QPoint(176, 72)), QPoint(176, 72));
    }
}

TEST_F(ReaderTest, EnabledOverlaysCoverTheirPagePictures) {
    expectOverlaysOverTheirPages(*window);
}

class FullScreenLayoutTest : public ReaderTest {
  protected:
    void SetUp() override {
        reader_tests::freshProgram();
        ground.platform.screen = {1280, 800};
        reader_tests::opener().display.fullScreen = true;
        window = tk::CreateWindow(reader::readerWindow());
    }
};

TEST_F(FullScreenLayoutTest, EverythingScalesToTheScreen) {
    EXPECT_EQ(window->self().windowState(), 3);
    EXPECT_EQ(testing_ground::captionOf(unit("超级按钮_全屏")), "退出全屏");
    EXPECT_EQ(tk::toUtf8(unit("超级按钮_全屏").hint()), "退出全屏");
    EXPECT_EQ(unit("高级选择夹1").width(), 1280);
    EXPECT_EQ(unit("高级选择夹1").height(), 800);
    const tk::UnitRef page = unit("图片框底图2");
    EXPECT_EQ(page.left(), 0);
    EXPECT_EQ(page.top(), 0);
    EXPECT_EQ(page.width(), 1280);
    EXPECT_EQ(page.height(), 740);
    EXPECT_EQ(unit("图片框底图背单词").height(), 767);
    const tk::UnitRef toolbar = unit("分组框翻页");
    EXPECT_EQ(toolbar.top(), 734);
    EXPECT_EQ(toolbar.width(), 1267);
    EXPECT_EQ(toolbar.height(), 80);
    EXPECT_EQ(unit("画板1").left(), 1267 - 118 - 2);
    EXPECT_EQ(unit("超级按钮_下一页").width(), 40);
    EXPECT_EQ(unit("选择框打钩64_1").left(), 181);
    EXPECT_EQ(unit("选择框打钩64_1").top(), 234);
    EXPECT_EQ(unit("选择框打钩64_1").width(), 15);
    const tk::UnitRef edit = unit("编辑框10_1"); // 79, 145, 16 x 16
    EXPECT_EQ(edit.left(), 126);
    EXPECT_EQ(edit.top(), 198);
    EXPECT_EQ(edit.width(), 25);
    EXPECT_EQ(edit.height(), 21);
    // The picture of the page shown is decoded at its box's new size.
    auto* box = qobject_cast<tk::PictureBox*>(page.widget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->image().size(), QSize(1280, 740));
}

TEST_F(FullScreenLayoutTest, EnabledOverlaysCoverTheirPagePictures) {
    expectOverlaysOverTheirPages(*window);
}

} // namespace
