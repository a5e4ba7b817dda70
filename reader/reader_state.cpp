// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_state.h"

namespace reader {

void ReaderState::emptyLists() {
    clips.clear();
    chinese.clear();
    english.clear();
    exercise.emptyLists();
}

ReaderState& state() {
    static ReaderState instance;
    return instance;
}

} // namespace reader
