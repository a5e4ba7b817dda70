// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise_state.h"

namespace exercises {

void ExerciseState::emptyLists() {
    lines.clear();
    clips.clear();
    remainingRects.clear();
    targets.clear();
    current = 0;
}

} // namespace exercises
