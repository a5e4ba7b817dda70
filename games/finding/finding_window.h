// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two word-finding windows, one design: a minute of questions on a
// sprite box, a note asking and four cards to click. Misses go to the
// program's error list, which the report window lists after a game.

#include "finding_game.h"
#include "unit_def.h"

#include <memory>

namespace tk {
class Window;
}

namespace finding {

tk::WindowDef findingWindow(std::shared_ptr<FindingGame> game);
// Each opens its window modal over the reader and returns once it is closed;
// errorList must outlive the window.
void openChineseToEnglish(tk::Window& reader, tk::TextArray& errorList);
void openEnglishToChinese(tk::Window& reader, tk::TextArray& errorList);

} // namespace finding
