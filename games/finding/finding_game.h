// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a word-finding window keeps while it is open, and what its units do.
// The misses go to the program's error list, which outlives the window.

#include "catalogue.h"
#include "finding_rules.h"

#include <functional>
#include <string_view>

namespace tk {
class Window;
}

namespace finding {

struct FindingGame {
    FindingGame(Direction way, tk::TextArray& errorList) : direction(way), errors(errorList) {}

    Direction direction;
    tk::TextArray& errors; // word, then meaning, per miss
    // The word list of a unit 1-6: the book's, unless another is handed in.
    std::function<std::string_view(int unit)> wordList = content::wordList;
    tk::TextArray words;
    tk::TextArray meanings;
    Question question;
    int rightCount = 0;
    // 0 while no game runs; one less each second of a game.
    int secondsCounter = 0;
};

void opened(tk::Window& window, FindingGame& game);
// Any press on the box is an answer: on the right card, or a miss.
void boxPressed(tk::Window& window, FindingGame& game, int x, int y);
// A skipped question counts as missed.
void skipped(tk::Window& window, FindingGame& game);
void ticked(tk::Window& window, FindingGame& game);
void lessonChanged(tk::Window& window, FindingGame& game);

} // namespace finding
