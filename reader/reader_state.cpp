// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_state.h"

namespace reader {

void PracticeLists::clear() {
    lines.clear();
    clips.clear();
    rectangles.clear();
    targets.clear();
}

void ReaderState::emptyLists() {
    clips.clear();
    chinese.clear();
    english.clear();
    practice.clear();
}

ReaderState& state() {
    static ReaderState instance;
    return instance;
}

} // namespace reader
