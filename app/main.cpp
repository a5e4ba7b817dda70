// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the real desktop services, the built-in book and the start
// window. It reads no command line; closing the start window ends it.
#include "catalogue.h"
#include "desktop_services.h"
#include "window_flow.h"

#include <QApplication>

int main(int, char** argv) {
    // Qt is given the program's name alone, so it takes no options either.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    // The program ends when the start window's loop returns or at the exit
    // button, never because no window happens to be shown between two.
    QApplication::setQuitOnLastWindowClosed(false);
    const app::DesktopServices services;
    content::loadBook();
    return app::runStartWindow();
}
