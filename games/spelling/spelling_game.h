// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the spelling window's units do. The misses go to the program's error
// list, which outlives the window.

#include "spelling_state.h"
#include "unit_ref.h"

namespace tk {
class Window;
}

namespace spelling {

struct Game {
    tk::TextArray& errors; // word, then meaning, per miss
    SpellingState state;
};

void windowCreated(tk::Window& window, Game& game);
void unitChosen(tk::Window& window, Game& game);
void letterClicked(tk::Window& window, Game& game, tk::UnitRef cell);
void redo(tk::Window& window, Game& game);
void listenAgain(tk::Window& window, const Game& game);
// Skipping a word counts as missing it.
void nextWord(tk::Window& window, Game& game);
void showAnswer(tk::Window& window, const Game& game);
void meaningSwitched(tk::Window& window);

} // namespace spelling
