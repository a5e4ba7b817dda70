// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A desktop that answers message boxes from a script and remembers what the
// screens asked of it.

#include "platform.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testing_ground {

class FakePlatform : public tk::Platform {
  public:
    struct Message {
        std::string content; // UTF-8
        int flags = 0;
        std::string caption; // UTF-8
    };

    int showMessage(const tk::Text& content, int flags, const tk::Text& caption) override;
    void openUrl(const QString& url) override { urls.push_back(url); }
    QSize screenSize() const override { return screen; }
    void endProgram(int code) override { endCodes.push_back(code); }
    void windowShown(tk::Window& window) override;

    // Answers for the next message boxes, in order; then kOk / kNo.
    std::deque<int> answers;
    // Runs inside a message box, while it is open (e.g. to check what is
    // still painted or ticking).
    std::function<void()> whileMessageShown;
    // Scripts run inside the next windows' own loops, one per window, in
    // order; each must close its window (or the test hangs on LoadWindow).
    std::deque<std::function<void(tk::Window&)>> insideNextWindow;

    std::vector<Message> messages;
    std::vector<QString> urls;
    std::vector<int> endCodes;
    QSize screen{1280, 800};
};

} // namespace testing_ground
