// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The matching game's window: a board of 48 tiles, words and their
// meanings, to be cleared in pairs before the time bar runs out.

#include "matching_game.h"
#include "unit_def.h"

#include <memory>

namespace tk {
class Window;
}

namespace matching {

// The window's table; its handlers work on the game they are handed.
tk::WindowDef matchingWindow(std::shared_ptr<MatchingGame> game = std::make_shared<MatchingGame>());

// Opens the window modal over the reader, with a game of its own.
void openMatching(tk::Window& reader);

} // namespace matching
