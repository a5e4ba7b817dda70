// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_rules.h"

namespace exercises {

WriteIn judgeWriteIn(const tk::Text& content, const tk::Text& answer) {
    if (content.size() < answer.size()) {
        return WriteIn::Nothing;
    }
    return content == answer ? WriteIn::Right : WriteIn::Wrong;
}

} // namespace exercises
