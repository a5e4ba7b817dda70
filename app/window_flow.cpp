// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_flow.h"

#include "game_openers.h"
#include "program_state.h"
#include "reader/reader_links.h"
#include "reader/reader_state.h"
#include "reader/reader_window.h"
#include "start/start_links.h"
#include "start/start_window.h"
#include "window.h"

namespace app {

namespace {

bool reopenAsked = false;

void reopenReader() {
    reopenAsked = true;
    tk::UnloadWindow(reader::state().window.window());
}

} // namespace

void connectScreens() {
    start::setLinks({&program().startLineOffset, openReader});
    reader::ReaderLinks links;
    links.display = &program().display;
    links.showLoading = start::showLoading;
    links.reopen = reopenReader;
    links.drill = &program().drill;
    links.games = gameOpeners();
    reader::setLinks(std::move(links));
}

int runStartWindow() {
    connectScreens();
    tk::LoadWindow(start::startWindow(), nullptr, true);
    return 0;
}

void openReader() {
    do {
        reopenAsked = false;
        tk::LoadWindow(reader::readerWindow());
    } while (reopenAsked);
}

} // namespace app
