// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground.h"

#include "text.h"
#include "window.h"
#include "window_table.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace testing_ground {

Ground::Ground() : saved_(tk::services()) {
    tk::services() = tk::Services{&clock, &sound, &platform};
    tk::takeTableFaults();
}

Ground::~Ground() {
    tk::services() = saved_;
    // A window table that names what is not there fails the test that built it.
    for (const std::string& fault : tk::takeTableFaults()) {
        ADD_FAILURE() << "window table: " << fault;
    }
}

namespace {

QPoint pointIn(const QWidget& widget, int x, int y) {
    return x < 0 || y < 0 ? widget.rect().center() : QPoint(x, y);
}

} // namespace

void click(tk::UnitRef unit) {
    if (QWidget* widget = unit.widget()) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }
}

void press(tk::UnitRef unit, int x, int y) {
    if (QWidget* widget = unit.widget()) {
        QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, pointIn(*widget, x, y));
    }
}

void release(tk::UnitRef unit, int x, int y) {
    if (QWidget* widget = unit.widget()) {
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, pointIn(*widget, x, y));
    }
}

void moveMouse(tk::UnitRef unit, int x, int y) {
    if (QWidget* widget = unit.widget()) {
        QTest::mouseMove(widget, QPoint(x, y));
    }
}

void type(tk::UnitRef unit, const std::string& utf8) {
    if (QWidget* widget = unit.widget()) {
        widget->setFocus();
        QTest::keyClicks(widget, QString::fromStdString(utf8));
    }
}

void pressKey(tk::UnitRef unit, int qtKey) {
    if (QWidget* widget = unit.widget()) {
        QTest::keyClick(widget, static_cast<Qt::Key>(qtKey));
    }
}

void pick(tk::UnitRef combo, int index) {
    if (auto* box = qobject_cast<QComboBox*>(combo.widget())) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
}

std::string captionOf(tk::UnitRef unit) {
    return tk::toUtf8(unit.caption());
}

namespace {

template <typename Delivery> void clickThroughDesktop(tk::Window& window, QPoint at) {
    QWindow* handle = window.windowHandle();
    if (!handle) {
        return;
    }
    const QPointF local(at);
    const QPointF global = handle->mapToGlobal(at);
    QWindowSystemInterface::handleMouseEvent<Delivery>(handle, local, global, Qt::LeftButton,
                                                       Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Delivery>(handle, local, global, Qt::NoButton,
                                                       Qt::LeftButton, QEvent::MouseButtonRelease);
}

} // namespace

void clickAt(tk::Window& window, QPoint at) {
    clickThroughDesktop<QWindowSystemInterface::SynchronousDelivery>(window, at);
}

void queueClickAt(tk::Window& window, QPoint at) {
    clickThroughDesktop<QWindowSystemInterface::AsynchronousDelivery>(window, at);
}

void moveAt(tk::Window& window, QPoint at) {
    if (QWindow* handle = window.windowHandle()) {
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            handle, QPointF(at), handle->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
            QEvent::MouseMove);
    }
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

} // namespace testing_ground
