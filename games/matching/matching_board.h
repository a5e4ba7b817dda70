// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The matching window's handlers: dealing and drawing the board, the hover
// frame, clicks on tiles, the time bar, new games and the music.

#include "matching_game.h"

namespace tk {
class Window;
}

namespace matching {

void opened(tk::Window& window, MatchingGame& game);
void boardPressed(tk::Window& window, MatchingGame& game, int x, int y);
void boardHovered(tk::Window& window, MatchingGame& game, int x, int y);
void timeTicked(tk::Window& window, MatchingGame& game);
void difficultyChanged(tk::Window& window, MatchingGame& game);
void lessonChanged(tk::Window& window, MatchingGame& game);
void musicSwitched(tk::Window& window);

} // namespace matching
