// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real desktop: message boxes, the browser, the primary screen.

#include "platform.h"

namespace tk {

class DesktopPlatform : public Platform {
  public:
    int showMessage(const Text& content, int flags, const Text& caption) override;
    void openUrl(const QString& url) override;
    QSize screenSize() const override;
    [[noreturn]] void endProgram(int code) override;
};

} // namespace tk
