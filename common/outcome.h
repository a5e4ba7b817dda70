// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outcome of judging one answer, apart from any widget: what the
// exercises' and games' pure judging functions return.

namespace common {

enum class Outcome { Right, Wrong };

constexpr Outcome outcomeOf(bool right) {
    return right ? Outcome::Right : Outcome::Wrong;
}

} // namespace common
