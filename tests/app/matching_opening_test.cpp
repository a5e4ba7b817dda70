// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's 连连看 opens the matching window modal over the reader, its
// music playing; its exit button stops all sound and the reader goes on
// where it was.
#include "app/program_state.h"
#include "app/window_flow.h"
#include "catalogue.h"
#include "games/matching/matching_names.h"
#include "reader/reader_state.h"
#include "support/ground.h"
#include "window.h"

#include <gtest/gtest.h>

namespace {

class MatchingOpeningTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override {
        content::loadBook();
        app::program() = app::ProgramState{};
        reader::state() = reader::ReaderState{};
        app::connectScreens();
    }
};

TEST_F(MatchingOpeningTest, TheToolbarButtonOpensItOverTheReader) {
    tk::Window* reader = nullptr;
    tk::Window* parent = nullptr;
    bool modal = false;
    QPoint at;
    std::vector<testing_ground::RecordingSound::Call> playing;
    int pageAfter = -1;
    int soundsAfter = -1;
    auto& scripts = ground.platform.insideNextWindow;
    scripts.push_back([&](tk::Window& shown) {
        reader = &shown;
        testing_ground::click(shown.unit("超级按钮_下一页"));
        testing_ground::click(shown.unit("超级按钮_连连看"));
        pageAfter = shown.unit("高级选择夹1").currentPage();
        soundsAfter = static_cast<int>(ground.sound.playing().size());
        tk::UnloadWindow(&shown);
    });
    scripts.push_back([&](tk::Window& matching) {
        parent = qobject_cast<tk::Window*>(matching.parentWidget());
        modal = matching.isModal();
        at = matching.pos();
        playing = ground.sound.playing();
        testing_ground::click(matching.unit(matching::kExit));
    });
    app::openReader();
    EXPECT_TRUE(scripts.empty());
    EXPECT_EQ(parent, reader);
    EXPECT_TRUE(modal);
    EXPECT_EQ(at, QPoint(50, 50));
    ASSERT_EQ(playing.size(), 1u);
    EXPECT_EQ(playing.front().clip, content::effect(content::Effect::Music));
    EXPECT_TRUE(playing.front().loop);
    EXPECT_EQ(pageAfter, 1);
    EXPECT_EQ(soundsAfter, 0);
}

} // namespace
