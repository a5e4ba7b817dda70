// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A unit reference: a small value naming one unit of one window. It never
// dangles: once its window is closed it reads as empty and writes through it
// do nothing.

#include "unit_def.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

class QWidget;

namespace tk {

class Window;

class UnitRef {
  public:
    UnitRef() = default;
    UnitRef(Window* window, int index);

    bool isEmpty() const;
    Window* window() const;
    int index() const { return index_; }
    Kind kind() const;
    std::string name() const; // UTF-8
    QWidget* widget() const;  // none for a timer or an empty reference
    friend bool operator==(const UnitRef& a, const UnitRef& b) {
        return a.window_ == b.window_ && a.index_ == b.index_;
    }

    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(int value);
    void setTop(int value);
    void setWidth(int value);
    void setHeight(int value);
    void setGeometry(int left, int top, int width, int height);
    Text tag() const;
    void setTag(const Text& tag);
    bool visible() const;
    void setVisible(bool visible);
    bool disabled() const;
    void setDisabled(bool disabled);

    // Label, TransLabel, SuperBtn, Button, CheckBox, GroupBox; EditBox and
    // RichEdit read and write their text through these too.
    Text caption() const;
    void setCaption(const Text& caption);
    Text hint() const;
    void setHint(const Text& hint);
    Text text() const { return caption(); }
    void setText(const Text& text) { setCaption(text); }
    Font font() const;
    void setFont(const Font& font);
    void setFontSize(int size);
    int textColor() const;
    void setTextColor(int colour);
    int backgroundColor() const;
    void setBackgroundColor(int colour);
    int alignment() const;
    void setAlignment(int alignment);

    bool pressed() const; // two-state SuperBtn
    void setPressed(bool pressed);
    bool checked() const; // CheckBox
    void setChecked(bool checked);
    // PicBox, SuperBtn face, DrawPanel and CartoonBox background, CartoonObject.
    QByteArray picture() const;
    void setPicture(const QByteArray& picture);
    void setImage(const QImage& image); // PicBox: an already decoded picture
    int currentIndex() const;           // ComboBox
    void setCurrentIndex(int index);
    int itemCount() const;
    int position() const; // ProcessBar
    void setPosition(int position);
    void setRange(int minimum, int maximum);
    int interval() const; // Timer
    void setInterval(int interval);
    int currentPage() const; // PageControl
    void setCurrentPage(int page);
    int windowState() const; // Window: 3 = maximised
    void setWindowState(int state);
    // RichEdit: the format in which the box shows its text.
    void setDefaultCharFormat(const std::string& face, int size, int colour);

  private:
    // QObject: Window is incomplete here, and a reference must not dangle.
    QPointer<QObject> window_;
    int index_ = -1;
};

using UnitArray = std::vector<UnitRef>;

// Member i of an array; an empty reference when i is out of range.
UnitRef member(const UnitArray& units, int i);

// Colour value with red in the low byte.
constexpr int Rgb(int red, int green, int blue) {
    return blue * 65536 + green * 256 + red;
}

} // namespace tk
