// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader's state, shared with the exercise modes, the word drill and the
// game windows for the whole run.

#include "clip.h"
#include "exercises/answer_boxes.h"
#include "exercises/exercise_state.h"
#include "text.h"
#include "unit_ref.h"

namespace reader {

struct ReaderState {
    tk::UnitRef window; // the open reader; empty while none is open
    int pageIndex = 0;  // last book page moved to: 0-35
    tk::TextArray english;
    tk::TextArray chinese;
    tk::ClipList clips;
    tk::ClipList exerciseClips;
    exercises::ExerciseState exercise; // practice and find modes
    exercises::AnswerMarks marks;
    bool translation = true;
    int picturePage = -1; // the page whose picture its box holds now

    // Empties the clip, Chinese, English and exercise lists.
    void emptyLists();
};

ReaderState& state();

} // namespace reader
