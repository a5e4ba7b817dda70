// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drill panel's units do, on the window that holds the panel.

#include "drill_state.h"

namespace tk {
class Window;
}

namespace drill {

constexpr int kEnterKey = 13;

void startDrill(tk::Window& window, DrillState& state);
void confirmAnswer(tk::Window& window, DrillState& state);
// A key in the answer box: Enter confirms while confirming is possible.
void answerKey(tk::Window& window, DrillState& state, int key);
void skipWord(tk::Window& window, DrillState& state);
void listenAgain(DrillState& state);
void showMeaningSwitched(tk::Window& window);
// A new unit or order: the drill stops until it is started again.
void choiceChanged(tk::Window& window, DrillState& state);

} // namespace drill
