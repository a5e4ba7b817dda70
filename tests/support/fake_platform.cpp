// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_platform.h"

#include "window.h"

#include <QPointer>
#include <QTimer>

namespace testing_ground {

int FakePlatform::showMessage(const tk::Text& content, int flags, const tk::Text& caption) {
    messages.push_back({tk::toUtf8(content), flags, tk::toUtf8(caption)});
    if (whileMessageShown) {
        whileMessageShown();
    }
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return flags == tk::kYesNoQuestion ? tk::kNo : tk::kOk;
}

void FakePlatform::windowShown(tk::Window& window) {
    if (insideNextWindow.empty()) {
        return;
    }
    auto script = std::move(insideNextWindow.front());
    insideNextWindow.pop_front();
    QPointer<tk::Window> target(&window);
    // Queued: it runs once the window's own loop has started.
    QTimer::singleShot(0, &window, [target, script = std::move(script)] {
        if (target) {
            script(*target);
        }
    });
}

} // namespace testing_ground
