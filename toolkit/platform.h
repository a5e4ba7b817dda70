// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the screens ask of the desktop outside their own windows. Tests put a
// recording platform in its place.

#include "text.h"

#include <QSize>
#include <QString>

namespace tk {

class Window;

enum ButtonCode { kOk = 0, kCancel = 1, kAbort = 2, kRetry = 3, kIgnore = 4, kYes = 5, kNo = 6 };
enum MessageFlags { kOkOnly = 0, kYesNoQuestion = 0x24 };

class Platform {
  public:
    virtual ~Platform() = default;
    virtual int showMessage(const Text& content, int flags, const Text& caption) = 0;
    virtual void openUrl(const QString& url) = 0;
    virtual QSize screenSize() const = 0;
    // The desktop ends the process; a test platform records the call.
    virtual void endProgram(int code) = 0;
    // A window has been created and shown; its own loop starts next.
    virtual void windowShown(Window& window) { (void)window; }
};

int ShowMessage(const Text& content, int flags = kOkOnly, const Text& caption = "信息："_gbk);
int ShowMessage(long long number, int flags = kOkOnly, const Text& caption = "信息："_gbk);
int ScreenWidth();
int ScreenHeight();
void EndProgram(int code);

} // namespace tk
