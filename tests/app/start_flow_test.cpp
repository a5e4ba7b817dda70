// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window flow from the start window: its button opens the reader over
// it, and closing it ends the program.
#include "app/program_state.h"
#include "app/window_flow.h"
#include "catalogue.h"
#include "reader/reader_window.h"
#include "start/start_window.h"
#include "support/ground.h"
#include "window.h"

#include <QEvent>
#include <gtest/gtest.h>

using namespace testing_ground;

namespace {

class StartFlowTest : public GroundTest {
  protected:
    void SetUp() override {
        content::loadBook();
        app::program() = app::ProgramState{};
        app::connectScreens();
    }
};

// Records when a widget is shown, in the order of a shared log.
class ShowLog : public QObject {
  public:
    explicit ShowLog(std::vector<std::string>& log, std::string what)
        : log_(log), what_(std::move(what)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            log_.push_back(what_);
        }
        return false;
    }

  private:
    std::vector<std::string>& log_;
    std::string what_;
};

TEST_F(StartFlowTest, StartButtonShowsTheLoadingPictureThenOpensTheReader) {
    const auto window = tk::CreateWindow(start::startWindow());
    std::vector<std::string> log;
    ShowLog loadingShown(log, "loading shown");
    window->unit("图片框加载").widget()->installEventFilter(&loadingShown);
    bool loadingHiddenInReader = false;
    ground.platform.insideNextWindow.push_back([&](tk::Window& reader) {
        log.push_back(&reader == window.get() ? "start window again" : "reader open");
        loadingHiddenInReader = !window->unit("图片框加载").visible();
        EXPECT_TRUE(reader.isModal());
        tk::UnloadWindow(&reader);
    });

    click(window->unit("超级按钮_开始学习"));

    EXPECT_EQ(log, (std::vector<std::string>{"loading shown", "reader open"}));
    EXPECT_TRUE(loadingHiddenInReader) << "the reader leaves the loading picture up";
    EXPECT_TRUE(ground.platform.insideNextWindow.empty());
    // Back on the start window once the reader has closed.
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(ground.platform.endCodes.empty());
}

TEST_F(StartFlowTest, ClosingTheStartWindowEndsTheProgramWithZero) {
    std::string opened;
    ground.platform.insideNextWindow.push_back([&](tk::Window& start) {
        opened = start.name();
        start.close();
    });
    EXPECT_EQ(app::runStartWindow(), 0);
    EXPECT_EQ(opened, "启动窗口");
    EXPECT_TRUE(ground.platform.endCodes.empty());
}

} // namespace
