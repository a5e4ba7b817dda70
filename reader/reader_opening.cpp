// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_opening.h"

#include "navigation.h"
#include "page_pictures.h"
#include "platform.h"
#include "reader_layout.h"
#include "reader_links.h"
#include "reader_state.h"
#include "window.h"

namespace reader {

namespace {

void showLoading(bool shown) {
    if (links().showLoading) {
        links().showLoading(shown);
    }
}

} // namespace

void readerCreated(tk::Window& window) {
    ReaderState& s = state();
    s.window = window.self();
    s.picturePage = -1;
    s.pageIndex = 0;
    window.unit("超级按钮_上一页").setDisabled(true);
    s.translation = true;
    const int shown = window.unit("高级选择夹1").currentPage();
    if (shown == 0) {
        loadPageLists(0);
        s.exerciseClips = s.clips;
    }
    showLoading(false);
    layOutReader(window);
    showPagePicture(window, shown);
    // Nothing decoded ahead may outlive the reader: the application itself
    // may be the next to go.
    QObject::connect(&window, &QObject::destroyed, [] { pagePictures().settle(); });
}

void fullScreenClicked() {
    DisplayMode& mode = display();
    ++mode.fullScreenPresses;
    showLoading(true);
    mode.fullScreen = mode.fullScreenPresses % 2 != 0;
    if (links().reopen) {
        links().reopen();
    }
}

void exitClicked() {
    tk::EndProgram(0);
}

} // namespace reader
