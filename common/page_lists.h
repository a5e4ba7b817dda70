// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the reader hands a game that works on the page it shows: copies of
// the page's English and Chinese lists and its clips, item k at k - 1.

#include "clip.h"
#include "text.h"

namespace common {

struct PageLists {
    tk::TextArray english;
    tk::TextArray chinese;
    tk::ClipList clips;
};

} // namespace common
