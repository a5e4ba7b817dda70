// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_openers.h"

#include "games/fillin/fillin_window.h"
#include "games/finding/finding_window.h"
#include "games/matching/matching_window.h"
#include "games/ordering/ordering_window.h"
#include "games/spelling/spelling_window.h"
#include "program_state.h"

namespace app {

reader::GameOpeners gameOpeners() {
    reader::GameOpeners games;
    games.fillIn = fillin::openFillIn;
    games.ordering = [](const common::PageLists& lists) {
        ordering::openOrdering(lists, program().orderingStarts);
    };
    games.spelling = [](tk::Window& r) { spelling::openSpelling(r, program().errorList); };
    games.matching = matching::openMatching;
    games.chineseToEnglish = [](tk::Window& r) {
        finding::openChineseToEnglish(r, program().errorList);
    };
    games.englishToChinese = [](tk::Window& r) {
        finding::openEnglishToChinese(r, program().errorList);
    };
    return games;
}

} // namespace app
