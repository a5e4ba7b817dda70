// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the reader's game buttons open their windows: each game gets what it
// needs from the program-wide state and its window opens modal.

#include "reader/reader_links.h"

namespace app {

reader::GameOpeners gameOpeners();

} // namespace app
