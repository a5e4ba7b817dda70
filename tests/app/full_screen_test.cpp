// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen: the reader is closed and opened again by its opener, at the
// screen's size, and back, without one more loop per toggle.
#include "app/program_state.h"
#include "app/window_flow.h"
#include "reader/page_names.h"
#include "reader/reader_fixture.h"
#include "start/start_window.h"

#include <QThread>
#include <gtest/gtest.h>

using reader_tests::ReaderTest;

namespace {

class FullScreenTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override {
        reader_tests::freshProgram();
        app::program() = app::ProgramState{};
        app::connectScreens();
        ground.platform.screen = {1280, 800};
        startWindow = tk::CreateWindow(start::startWindow());
        loading() = startWindow->unit("图片框加载");
    }

    struct Seen {
        int page = -1;
        int windowState = -1;
        int pagesWidth = 0;
        int pagesHeight = 0;
        std::string caption;
        bool translation = false;
        bool loadingShown = true;
        int loopDepth = 0;
    };
    static Seen look(tk::Window& w) {
        Seen seen;
        seen.page = w.unit("高级选择夹1").currentPage();
        seen.windowState = w.self().windowState();
        seen.pagesWidth = w.unit("高级选择夹1").width();
        seen.pagesHeight = w.unit("高级选择夹1").height();
        seen.caption = testing_ground::captionOf(w.unit("超级按钮_全屏"));
        seen.translation = reader::state().translation;
        seen.loadingShown = loadingShown();
        return seen;
    }

    // The start window's loading picture.
    static tk::UnitRef& loading() {
        static tk::UnitRef picture;
        return picture;
    }
    static bool loadingShown() { return loading().visible(); }

    std::unique_ptr<tk::Window> startWindow;
};

TEST_F(FullScreenTest, TwiceComesBackToNormalModeOnPageZero) {
    std::vector<Seen> seen;
    auto& scripts = ground.platform.insideNextWindow;
    scripts.push_back([&](tk::Window& w) {
        seen.push_back(look(w));
        testing_ground::click(w.unit("超级按钮_下一页"));
        testing_ground::click(w.unit("超级按钮_中文提示"));
        testing_ground::click(w.unit("超级按钮_全屏"));
    });
    scripts.push_back([&](tk::Window& w) {
        seen.push_back(look(w));
        testing_ground::click(w.unit("超级按钮_下一页"));
        testing_ground::click(w.unit("超级按钮_全屏"));
    });
    scripts.push_back([&](tk::Window& w) {
        seen.push_back(look(w));
        tk::UnloadWindow(&w);
    });
    app::openReader();

    ASSERT_EQ(seen.size(), 3U);
    EXPECT_EQ(seen[0].windowState, 0);
    EXPECT_EQ(seen[0].pagesWidth, 800);
    EXPECT_EQ(seen[0].caption, "全屏");

    EXPECT_EQ(seen[1].page, 0);
    EXPECT_EQ(seen[1].windowState, 3);
    EXPECT_EQ(seen[1].pagesWidth, 1280);
    EXPECT_EQ(seen[1].pagesHeight, 800);
    EXPECT_EQ(seen[1].caption, "退出全屏");
    EXPECT_TRUE(seen[1].translation);

    EXPECT_EQ(seen[2].page, 0);
    EXPECT_EQ(seen[2].windowState, 0);
    EXPECT_EQ(seen[2].pagesWidth, 800);
    EXPECT_EQ(seen[2].pagesHeight, 600);
    EXPECT_EQ(seen[2].caption, "全屏");
    for (const Seen& s : seen) {
        EXPECT_FALSE(s.loadingShown);
    }
    EXPECT_EQ(app::program().display.fullScreenPresses, 2);
    EXPECT_FALSE(app::program().display.fullScreen);
    EXPECT_TRUE(reader::state().window.isEmpty());
}

TEST_F(FullScreenTest, EachToggleShowsTheLoadingPictureAndNestsNoLoop) {
    std::vector<bool> shownAfterToggle;
    std::vector<int> loopLevels;
    auto& scripts = ground.platform.insideNextWindow;
    for (int toggle = 0; toggle < 4; ++toggle) {
        scripts.push_back([&](tk::Window& w) {
            loopLevels.push_back(QThread::currentThread()->loopLevel());
            testing_ground::click(w.unit("超级按钮_全屏"));
            shownAfterToggle.push_back(loadingShown());
        });
    }
    scripts.push_back([&](tk::Window& w) {
        loopLevels.push_back(QThread::currentThread()->loopLevel());
        tk::UnloadWindow(&w);
    });
    const int outside = QThread::currentThread()->loopLevel();
    app::openReader();
    EXPECT_EQ(shownAfterToggle, std::vector<bool>(4, true));
    EXPECT_EQ(loopLevels, std::vector<int>(5, outside + 1));
    EXPECT_EQ(app::program().display.fullScreenPresses, 4);
    EXPECT_FALSE(app::program().display.fullScreen);
    EXPECT_FALSE(loadingShown());
}

TEST_F(FullScreenTest, HotspotPressesMaximiseAgainAndPlaceForTheScreen) {
    auto& scripts = ground.platform.insideNextWindow;
    int stateAfterPress = -1;
    QPoint labelAt;
    scripts.push_back([&](tk::Window& w) { testing_ground::click(w.unit("超级按钮_全屏")); });
    scripts.push_back([&](tk::Window& w) {
        w.setWindowState(Qt::WindowNoState);
        tk::UnitRef hotspot = w.unit("透明标签页二_2");
        hotspot.setGeometry(1000, 600, 100, 20);
        reader::state().chinese[1] = std::string(30, 'y');
        testing_ground::press(hotspot);
        testing_ground::release(hotspot);
        stateAfterPress = w.self().windowState();
        const tk::UnitRef label = w.unit("标签_显示翻译");
        labelAt = QPoint(label.left(), label.top());
        testing_ground::click(w.unit("超级按钮_全屏"));
    });
    scripts.push_back([&](tk::Window& w) { tk::UnloadWindow(&w); });
    app::openReader();
    EXPECT_EQ(stateAfterPress, 3);
    EXPECT_EQ(labelAt, QPoint(1280 - 330 - 20, 675));
}

} // namespace
