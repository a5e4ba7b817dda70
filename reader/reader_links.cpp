// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_links.h"

namespace reader {

namespace {

ReaderLinks& current() {
    static ReaderLinks instance;
    return instance;
}

} // namespace

void setLinks(ReaderLinks links) {
    current() = std::move(links);
}

const ReaderLinks& links() {
    return current();
}

DisplayMode& display() {
    static DisplayMode own;
    DisplayMode* given = current().display;
    return given ? *given : own;
}

drill::DrillState& drillState() {
    static drill::DrillState own;
    drill::DrillState* given = current().drill;
    return given ? *given : own;
}

} // namespace reader
