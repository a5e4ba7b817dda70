// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include "services.h"

#include <cstdio>
#include <cstdlib>

namespace tk {

int ShowMessage(const Text& content, int flags, const Text& caption) {
    Platform* platform = services().platform;
    return platform ? platform->showMessage(content, flags, caption) : kOk;
}

int ShowMessage(long long number, int flags, const Text& caption) {
    return ShowMessage(ToText(number), flags, caption);
}

int ScreenWidth() {
    Platform* platform = services().platform;
    return platform ? platform->screenSize().width() : 800;
}

int ScreenHeight() {
    Platform* platform = services().platform;
    return platform ? platform->screenSize().height() : 600;
}

void EndProgram(int code) {
    if (Platform* platform = services().platform) {
        platform->endProgram(code);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace tk
