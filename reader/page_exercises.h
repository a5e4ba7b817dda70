// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercises on the page shown: practice and find modes started from the
// toolbar, the clicks on the page overlays, and the answer boxes.

#include "exercises/exercise_state.h"
#include "text.h"
#include "unit_ref.h"

namespace tk {
class Window;
}

namespace reader {

// Starts the mode on the lesson page shown. On any other page (the drill
// page keeps the buttons enabled when reached from the first-page notice)
// it does nothing: there is nothing there to ask.
void startExercise(tk::Window& window, exercises::Mode mode);
void overlayPressed(tk::Window& window, int x, int y);
void tickBoxClicked(const tk::UnitRef& box, const std::string& pagePicture, bool belongsTicked);
void writeInChanged(const tk::UnitRef& box, const std::string& pagePicture, const tk::Text& answer);

} // namespace reader
