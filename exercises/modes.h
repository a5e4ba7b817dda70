// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Practice mode (hear an item, click where it is printed) and find mode (read
// its Chinese line, click the English) on the lesson page the reader shows.
// While a mode is on, the page's overlay takes every click on the page.

#include "clip.h"
#include "exercise_state.h"
#include "text.h"

namespace tk {
class Window;
}

namespace exercises {

// The lesson page shown, as a mode starts on it.
struct LessonPage {
    int bookPage = 0; // 2-68
    const tk::TextArray& chinese;
    const tk::ClipList& clips;
};

// Start afresh with every item of the page, whatever mode was on.
void startPractice(tk::Window& window, ExerciseState& state, const LessonPage& page);
void startFind(tk::Window& window, ExerciseState& state, const LessonPage& page);
// A click on the page overlay at (x, y) in the page picture's coordinates.
void judgeClick(tk::Window& window, ExerciseState& state, int x, int y);

} // namespace exercises
