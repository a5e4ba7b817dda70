// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_exercises.h"

#include "exercises/answer_boxes.h"
#include "exercises/modes.h"
#include "page_names.h"
#include "reader_state.h"
#include "window.h"

namespace reader {

void startExercise(tk::Window& window, exercises::Mode mode) {
    const int page = window.unit("高级选择夹1").currentPage();
    if (page < 0 || page >= kLessonPages) {
        return;
    }
    ReaderState& s = state();
    const exercises::LessonPage lesson{bookPageOf(page), s.chinese, s.clips};
    if (mode == exercises::Mode::Practice) {
        exercises::startPractice(window, s.exercise, lesson);
    } else {
        exercises::startFind(window, s.exercise, lesson);
    }
}

void overlayPressed(tk::Window& window, int x, int y) {
    exercises::judgeClick(window, state().exercise, x, y);
}

void tickBoxClicked(const tk::UnitRef& box, const std::string& pagePicture, bool belongsTicked) {
    if (tk::Window* window = box.window()) {
        exercises::judgeTick(box, window->unit(pagePicture), belongsTicked, state().marks);
    }
}

void writeInChanged(const tk::UnitRef& box, const std::string& pagePicture,
                    const tk::Text& answer) {
    if (tk::Window* window = box.window()) {
        exercises::judgeWriteIn(box, window->unit(pagePicture), answer, state().marks);
    }
}

} // namespace reader
