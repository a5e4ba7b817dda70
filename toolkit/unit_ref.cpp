// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_ref.h"

#include "cartoon_box.h"
#include "draw_panel.h"
#include "qtext.h"
#include "unit_widgets.h"
#include "window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>

namespace tk {

namespace {

Qt::Alignment labelAlignment(int alignment) {
    switch (alignment) {
    case 1:
        return Qt::AlignCenter;
    case 2:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

UnitRef::UnitRef(Window* window, int index) : window_(window), index_(index) {}

bool UnitRef::isEmpty() const {
    return !window_ || (index_ != Window::kSelf && !window()->entry(index_));
}

Window* UnitRef::window() const {
    return static_cast<Window*>(window_.data());
}

Kind UnitRef::kind() const {
    if (!window_ || index_ == Window::kSelf) {
        return Kind::Window;
    }
    const auto* e = window()->entry(index_);
    return e ? e->kind : Kind::Window;
}

std::string UnitRef::name() const {
    if (!window_) {
        return {};
    }
    if (index_ == Window::kSelf) {
        return window()->name();
    }
    const auto* e = window()->entry(index_);
    return e ? e->name : std::string();
}

QWidget* UnitRef::widget() const {
    if (!window_) {
        return nullptr;
    }
    if (index_ == Window::kSelf) {
        return window();
    }
    const auto* e = window()->entry(index_);
    return e ? qobject_cast<QWidget*>(e->object.data()) : nullptr;
}

int UnitRef::left() const {
    const QWidget* w = widget();
    return w ? w->x() : 0;
}

int UnitRef::top() const {
    const QWidget* w = widget();
    return w ? w->y() : 0;
}

int UnitRef::width() const {
    const QWidget* w = widget();
    return w ? w->width() : 0;
}

int UnitRef::height() const {
    const QWidget* w = widget();
    return w ? w->height() : 0;
}

void UnitRef::setGeometry(int left, int top, int width, int height) {
    QWidget* w = widget();
    if (!w) {
        return;
    }
    if (w == window()) {
        w->move(left, top);
        w->setFixedSize(std::max(width, 0), std::max(height, 0));
        return;
    }
    w->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
}

void UnitRef::setLeft(int value) {
    setGeometry(value, top(), width(), height());
}
void UnitRef::setTop(int value) {
    setGeometry(left(), value, width(), height());
}
void UnitRef::setWidth(int value) {
    setGeometry(left(), top(), value, height());
}
void UnitRef::setHeight(int value) {
    setGeometry(left(), top(), width(), value);
}

Text UnitRef::tag() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    return e ? e->tag : Text();
}

void UnitRef::setTag(const Text& tag) {
    if (auto* e = window_ ? window()->entry(index_) : nullptr) {
        e->tag = tag;
    }
}

bool UnitRef::visible() const {
    const QWidget* w = widget();
    return w && !w->isHidden();
}

void UnitRef::setVisible(bool visible) {
    if (QWidget* w = widget()) {
        w->setVisible(visible);
    }
}

bool UnitRef::disabled() const {
    const QWidget* w = widget();
    return w && !w->isEnabled();
}

void UnitRef::setDisabled(bool disabled) {
    QWidget* w = widget();
    if (!w) {
        return;
    }
    w->setEnabled(!disabled);
    // A disabled unit gets no events: clicks reach whatever lies below it,
    // not its container as Qt would have it.
    if (w != window()) {
        w->setAttribute(Qt::WA_TransparentForMouseEvents, disabled);
    }
}

Text UnitRef::caption() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    return e ? e->caption : Text();
}

void UnitRef::setCaption(const Text& caption) {
    auto* e = window_ ? window()->entry(index_) : nullptr;
    if (!e) {
        return;
    }
    const QString shown = toQString(caption);
    QObject* object = e->object.data();
    if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        // The edit box's change handler stores the text it now holds.
        if (edit->text() != shown) {
            edit->setText(shown);
        }
        e->caption = caption;
        return;
    }
    if (auto* lines = qobject_cast<QPlainTextEdit*>(object)) {
        // Lines end in CR LF in a text and in a plain new line on screen.
        const QString text = QString(shown).replace("\r\n", "\n");
        if (lines->toPlainText() != text) {
            lines->setPlainText(text);
        }
        e->caption = caption;
        return;
    }
    e->caption = caption;
    if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(shown);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(shown);
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        group->setTitle(shown);
    } else if (auto* rich = qobject_cast<QTextEdit*>(object)) {
        const QTextCharFormat format = rich->currentCharFormat();
        rich->setPlainText(shown);
        rich->selectAll();
        rich->setCurrentCharFormat(format);
        rich->moveCursor(QTextCursor::Start);
    }
}

Text UnitRef::hint() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    return e ? e->hint : Text();
}

void UnitRef::setHint(const Text& hint) {
    auto* e = window_ ? window()->entry(index_) : nullptr;
    if (!e) {
        return;
    }
    e->hint = hint;
    if (QWidget* w = widget()) {
        w->setToolTip(toQString(hint));
    }
}

Font UnitRef::font() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    return e ? e->font : Font();
}

void UnitRef::setFont(const Font& font) {
    auto* e = window_ ? window()->entry(index_) : nullptr;
    if (!e) {
        return;
    }
    e->font = font;
    if (auto* panel = qobject_cast<DrawPanel*>(e->object.data())) {
        panel->setPanelFont(font);
    } else if (QWidget* w = widget()) {
        w->setFont(toQFont(font));
    }
}

void UnitRef::setFontSize(int size) {
    Font changed = font();
    changed.size = size;
    setFont(changed);
}

int UnitRef::textColor() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    return e ? e->textColor : kNoColour;
}

void UnitRef::setTextColor(int colour) {
    auto* e = window_ ? window()->entry(index_) : nullptr;
    if (!e) {
        return;
    }
    e->textColor = colour;
    if (auto* panel = qobject_cast<DrawPanel*>(e->object.data())) {
        panel->setTextColour(colour);
    } else if (QWidget* w = widget()) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, toQColor(colour));
        palette.setColor(QPalette::Text, toQColor(colour));
        palette.setColor(QPalette::ButtonText, toQColor(colour));
        w->setPalette(palette);
    }
}

int UnitRef::backgroundColor() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    return e ? e->backgroundColor : kNoColour;
}

void UnitRef::setBackgroundColor(int colour) {
    auto* e = window_ ? window()->entry(index_) : nullptr;
    if (!e) {
        return;
    }
    e->backgroundColor = colour;
    if (auto* panel = qobject_cast<DrawPanel*>(e->object.data())) {
        panel->setBackgroundColour(colour);
    } else if (QWidget* w = widget()) {
        QPalette palette = w->palette();
        // Window behind labels and check boxes, Base inside edit boxes, Button
        // for a closed drop-down list.
        palette.setColor(QPalette::Window, toQColor(colour));
        palette.setColor(QPalette::Base, toQColor(colour));
        palette.setColor(QPalette::Button, toQColor(colour));
        w->setPalette(palette);
        w->setAutoFillBackground(e->kind != Kind::TransLabel);
    }
}

int UnitRef::alignment() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    return e ? e->alignment : 0;
}

void UnitRef::setAlignment(int alignment) {
    auto* e = window_ ? window()->entry(index_) : nullptr;
    if (!e) {
        return;
    }
    e->alignment = alignment;
    if (auto* label = qobject_cast<QLabel*>(e->object.data())) {
        label->setAlignment(labelAlignment(alignment));
    }
}

bool UnitRef::pressed() const {
    const auto* button = qobject_cast<const QAbstractButton*>(widget());
    return button && button->isCheckable() && button->isChecked();
}

void UnitRef::setPressed(bool pressed) {
    if (auto* button = qobject_cast<SuperButton*>(widget()); button && button->isCheckable()) {
        button->setChecked(pressed);
    }
}

bool UnitRef::checked() const {
    const auto* box = qobject_cast<const QCheckBox*>(widget());
    return box && box->isChecked();
}

void UnitRef::setChecked(bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(widget())) {
        box->setChecked(checked);
    }
}

QByteArray UnitRef::picture() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    return e ? e->picture : QByteArray();
}

void UnitRef::setPicture(const QByteArray& picture) {
    auto* e = window_ ? window()->entry(index_) : nullptr;
    if (!e) {
        return;
    }
    e->picture = picture;
    if (auto* box = qobject_cast<PictureBox*>(e->object.data())) {
        box->setPicture(picture);
    } else if (auto* button = qobject_cast<SuperButton*>(e->object.data())) {
        button->setFace(picture);
    } else if (auto* panel = qobject_cast<DrawPanel*>(e->object.data())) {
        panel->setBackgroundPicture(picture);
    } else if (auto* model = qobject_cast<SpriteTemplate*>(e->object.data())) {
        model->setPicture(picture);
    }
}

void UnitRef::setImage(const QImage& image) {
    if (auto* box = qobject_cast<PictureBox*>(widget())) {
        box->setImage(image);
    }
}

int UnitRef::currentIndex() const {
    const auto* combo = qobject_cast<const QComboBox*>(widget());
    return combo ? combo->currentIndex() : -1;
}

void UnitRef::setCurrentIndex(int index) {
    if (auto* combo = qobject_cast<QComboBox*>(widget())) {
        combo->setCurrentIndex(index);
    }
}

int UnitRef::itemCount() const {
    const auto* combo = qobject_cast<const QComboBox*>(widget());
    return combo ? combo->count() : 0;
}

int UnitRef::position() const {
    const auto* bar = qobject_cast<const QProgressBar*>(widget());
    return bar ? bar->value() : 0;
}

void UnitRef::setPosition(int position) {
    if (auto* bar = qobject_cast<QProgressBar*>(widget())) {
        bar->setValue(position);
    }
}

void UnitRef::setRange(int minimum, int maximum) {
    if (auto* bar = qobject_cast<QProgressBar*>(widget())) {
        bar->setRange(minimum, maximum);
    }
}

int UnitRef::interval() const {
    const auto* e = window_ ? window()->entry(index_) : nullptr;
    const auto* timer = e ? qobject_cast<const TimerUnit*>(e->object.data()) : nullptr;
    return timer ? timer->interval() : 0;
}

void UnitRef::setInterval(int interval) {
    auto* e = window_ ? window()->entry(index_) : nullptr;
    if (auto* timer = e ? qobject_cast<TimerUnit*>(e->object.data()) : nullptr) {
        timer->setInterval(interval);
    }
}

int UnitRef::currentPage() const {
    const auto* pages = qobject_cast<const QStackedWidget*>(widget());
    return pages ? pages->currentIndex() : 0;
}

void UnitRef::setCurrentPage(int page) {
    auto* pages = qobject_cast<QStackedWidget*>(widget());
    if (!pages || page < 0 || page >= pages->count() || page == pages->currentIndex()) {
        return;
    }
    pages->setCurrentIndex(page);
    window()->dispatch(index_, Event::PageChanged);
}

int UnitRef::windowState() const {
    const QWidget* w = widget();
    return w && w->isWindow() && (w->windowState() & Qt::WindowMaximized) ? 3 : 0;
}

void UnitRef::setWindowState(int state) {
    QWidget* w = widget();
    if (!w || !w->isWindow()) {
        return;
    }
    if (state == 3) {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        w->setWindowState(w->windowState() | Qt::WindowMaximized);
    } else {
        w->setWindowState(w->windowState() & ~Qt::WindowMaximized);
    }
}

void UnitRef::setDefaultCharFormat(const std::string& face, int size, int colour) {
    auto* rich = qobject_cast<QTextEdit*>(widget());
    if (!rich) {
        return;
    }
    QTextCharFormat format;
    Font font;
    font.face = face;
    font.size = size;
    format.setFont(toQFont(font));
    format.setForeground(toQColor(colour));
    rich->selectAll();
    rich->setCurrentCharFormat(format);
    rich->moveCursor(QTextCursor::Start);
    rich->setCurrentCharFormat(format);
}

UnitRef member(const UnitArray& units, int i) {
    if (i < 0 || i >= static_cast<int>(units.size())) {
        return {};
    }
    return units[static_cast<std::size_t>(i)];
}

} // namespace tk
