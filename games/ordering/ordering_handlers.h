// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sentence-ordering window's units do.

#include "ordering_state.h"

namespace tk {
class Window;
}

namespace ordering {

// Draws a sentence and lays out its words; on lists without a usable
// sentence the window stays without a question.
void startSentence(tk::Window& window, OrderingState& state);
void wordClicked(tk::Window& window, OrderingState& state, tk::UnitRef label);
void judge(tk::Window& window, OrderingState& state);
void redo(tk::Window& window, OrderingState& state);
void showAnswer(tk::Window& window, const OrderingState& state);
void listenAgain(const OrderingState& state);
void pronunciationSwitched(tk::Window& window);
void translationSwitched(tk::Window& window);
void windowClosed(OrderingState& state);

} // namespace ordering
