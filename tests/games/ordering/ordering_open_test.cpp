// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the sentence-ordering window as the reader's opener does, and
// closing it: modal without a parent, the program's starts counted over
// every opening, and the last clicked word forgotten at the close.
#include "ordering_fixture.h"

#include <QApplication>
#include <gtest/gtest.h>

using ordering_tests::OrderingTest;
using namespace ordering_tests;

namespace {

TEST_F(OrderingTest, TheOpenerShowsAModalWindowOnItsCopyOfTheListsUntilBack) {
    // Every line asked, so every start draws once; a clip more than lines.
    const common::PageLists page =
        fakePage({{"Thank you.", "谢谢。"}, {"Hi, Ben!", "你好，本！"}}, 3);
    common::PageLists lists = page;
    int programStarts = 0;
    struct Seen {
        bool modal = false;
        bool parentless = false;
        QRect geometry;
        int words = 0;
        int colour = 0;
    };
    std::vector<Seen> seen;
    const auto look = [&seen, &lists](tk::Window& w) {
        seen.push_back({w.isModal(), w.parentWidget() == nullptr, w.geometry(), 0,
                        w.unit(ordering::kArrangedLine).textColor()});
        for (int k = 1; k <= ordering::kWordLabels; ++k) {
            seen.back().words += w.unit(ordering::kWordLabel + std::to_string(k)).visible();
        }
        // The window works on its own copy.
        lists = {};
        testing_ground::click(w.unit(ordering::kNext));
        testing_ground::click(w.unit(ordering::kBack));
    };
    ground.platform.insideNextWindow = {look, look};
    ordering::openOrdering(lists, programStarts);
    EXPECT_EQ(programStarts, 2) << "opened, then 下一题";
    lists = page;
    ordering::openOrdering(lists, programStarts);
    EXPECT_EQ(programStarts, 4);

    ASSERT_EQ(seen.size(), 2u);
    for (const Seen& s : seen) {
        EXPECT_TRUE(s.modal);
        EXPECT_TRUE(s.parentless);
        EXPECT_EQ(s.geometry, QRect(50, 50, 800, 600));
        EXPECT_EQ(s.words, 2);
    }
    EXPECT_EQ(seen[0].colour, kBlack);
    EXPECT_EQ(seen[1].colour, kGrey);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), [](const QWidget* w) {
        return w->isVisible();
    })) << "both windows closed";
}

TEST_F(OrderingTest, BackClosesTheWindowAndTheLastClickedWordIsForgotten) {
    open(fakePage({{"Thank you.", "谢谢。"}}));
    clickWord(label(1));
    ASSERT_EQ(state.lastClicked, label(1));
    bool closed = false;
    QObject::connect(window.get(), &tk::Window::closed, [&closed] { closed = true; });
    clickButton(ordering::kBack);
    testing_ground::settle();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(state.lastClicked.isEmpty())
        << "the window still exists, its label is no more ours";
}

} // namespace
