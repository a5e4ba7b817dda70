// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_platform.h"

#include "qtext.h"
#include "services.h"
#include "sound.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace tk {

int DesktopPlatform::showMessage(const Text& content, int flags, const Text& caption) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(toQString(caption));
    box.setText(toQString(content));
    if (flags == kYesNoQuestion) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否"));
        return box.exec() == QMessageBox::Yes ? kYes : kNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
    return kOk;
}

void DesktopPlatform::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

QSize DesktopPlatform::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(800, 600);
}

void DesktopPlatform::endProgram(int code) {
    StopSound();
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace tk
