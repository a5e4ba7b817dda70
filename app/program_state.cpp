// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_state.h"

namespace app {

ProgramState& program() {
    static ProgramState instance;
    return instance;
}

} // namespace app
