// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_links.h"

namespace start {

namespace {

StartLinks& current() {
    static StartLinks instance;
    return instance;
}

} // namespace

void setLinks(StartLinks links) {
    current() = std::move(links);
}

const StartLinks& links() {
    return current();
}

int& lineOffset() {
    static int own = 0;
    int* given = current().lineOffset;
    return given ? *given : own;
}

} // namespace start
