// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window table of the program is sound: each unit named once, every
// container defined before its units, every binding to a unit that exists.
#include "catalogue.h"
#include "games/fillin/fillin_window.h"
#include "games/finding/finding_window.h"
#include "games/matching/matching_window.h"
#include "games/ordering/ordering_window.h"
#include "games/spelling/spelling_window.h"
#include "reader/reader_window.h"
#include "start/start_window.h"
#include "window_table.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowTables, EveryWindowOfTheProgramIsSound) {
    content::loadBook();
    ordering::OrderingState ordering;
    tk::TextArray errorList;
    const auto finding = [&](finding::Direction direction) {
        return finding::findingWindow(std::make_shared<finding::FindingGame>(direction, errorList));
    };
    for (const tk::WindowDef& table :
         {start::startWindow(), reader::readerWindow(), fillin::fillInWindow({}),
          matching::matchingWindow(), ordering::orderingWindow(ordering),
          spelling::spellingWindow(errorList), finding(finding::Direction::ChineseToEnglish),
          finding(finding::Direction::EnglishToChinese)}) {
        EXPECT_EQ(tk::tableFaults(table), std::vector<std::string>{}) << table.name;
    }
}

} // namespace
