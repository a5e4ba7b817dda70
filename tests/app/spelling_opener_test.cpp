// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's word spelling button opens the game over the reader, and the
// game's misses go to the program's error list.
#include "app/program_state.h"
#include "app/window_flow.h"
#include "catalogue.h"
#include "reader/reader_window.h"
#include "support/ground.h"
#include "window.h"

#include <gtest/gtest.h>

namespace {

class SpellingOpenerTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override {
        content::loadBook();
        app::program() = app::ProgramState{};
        app::connectScreens();
    }
};

TEST_F(SpellingOpenerTest, TheSpellingButtonOpensTheGameOverTheReaderWithTheProgramsErrorList) {
    const auto reader = tk::CreateWindow(reader::readerWindow());
    app::program().errorList = {"boy", tk::toGbk("男孩")};
    std::string opened;
    ground.platform.insideNextWindow.push_back([&](tk::Window& game) {
        opened = game.name();
        EXPECT_EQ(game.parentWidget(), reader.get());
        EXPECT_TRUE(game.isModal());
        testing_ground::click(game.unit("超级按钮_排序开始"));
        testing_ground::click(game.unit("超级按钮_提交答案1"));
    });
    testing_ground::click(reader->unit("超级按钮_单词排序"));
    EXPECT_EQ(opened, "单词排序");
    // The skipped word joined what was there.
    ASSERT_EQ(app::program().errorList.size(), 4U);
    EXPECT_EQ(app::program().errorList[0], "boy");
    EXPECT_TRUE(reader->isVisible());
}

} // namespace
