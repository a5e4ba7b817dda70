// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_openers.h"

namespace app {

reader::GameOpeners gameOpeners() {
    reader::GameOpeners games;
    return games;
}

} // namespace app
