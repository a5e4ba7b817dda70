// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's 填一填 opens the fill-in window over the page it shows, and
// the reader goes on where it was when the window closes.
#include "app/program_state.h"
#include "app/window_flow.h"
#include "catalogue.h"
#include "games/fillin/fillin_names.h"
#include "lists.h"
#include "reader/reader_state.h"
#include "support/ground.h"
#include "window.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

class FillInOpeningTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override {
        content::loadBook();
        app::program() = app::ProgramState{};
        reader::state() = reader::ReaderState{};
        app::connectScreens();
    }
};

TEST_F(FillInOpeningTest, TheToolbarButtonOpensItOverThePageShown) {
    DealtLists page4 = dealLines(content::pageTextList(1));
    std::string asked;
    bool modalWithoutParent = false;
    int pageAfter = -1;
    auto& scripts = ground.platform.insideNextWindow;
    scripts.push_back([&](tk::Window& reader) {
        testing_ground::click(reader.unit("超级按钮_下一页"));
        testing_ground::click(reader.unit("超级按钮_填一填"));
        pageAfter = reader.unit("高级选择夹1").currentPage();
        tk::UnloadWindow(&reader);
    });
    scripts.push_back([&](tk::Window& fillIn) {
        asked = testing_ground::captionOf(fillIn.unit(fillin::kQuestionLine));
        modalWithoutParent = fillIn.isModal() && fillIn.parentWidget() == nullptr;
        testing_ground::click(fillIn.unit(fillin::kExit));
    });
    app::openReader();
    EXPECT_TRUE(scripts.empty());
    EXPECT_TRUE(modalWithoutParent);
    EXPECT_NE(std::find(page4.english.begin(), page4.english.end(), tk::toGbk(asked)),
              page4.english.end())
        << asked;
    EXPECT_EQ(pageAfter, 1);
}

} // namespace
