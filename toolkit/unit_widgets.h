// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widgets behind the unit kinds that Qt has no exact match for.

#include "unit_def.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QWidget>
#include <functional>
#include <memory>

class QBuffer;
class QMovie;

namespace tk {

QFont toQFont(const Font& font);
QColor toQColor(int colour);

// Label and TransLabel: a TransLabel draws its text over whatever lies below.
class TextLabel : public QLabel {
    Q_OBJECT
  public:
    TextLabel(bool transparent, QWidget* parent);
};

// An image button with a caption; a two-state one flips on every click
// before the click is reported.
class SuperButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit SuperButton(QWidget* parent);
    void setFace(const QByteArray& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage face_;
};

// A picture drawn scaled to the box; an animated GIF plays while the box is
// shown.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);
    ~PictureBox() override;
    void setPicture(const QByteArray& picture);
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    bool isAnimated() const { return movie_ != nullptr; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void stopMovie();
    void decode();
    QByteArray data_;
    QImage image_;
    QImage scaled_;
    std::unique_ptr<QMovie> movie_;
    std::unique_ptr<QBuffer> movieBuffer_;
};

// A tick of a timer unit; the clock decides when (and holds it during Delay).
class TimerUnit : public QObject {
    Q_OBJECT
  public:
    TimerUnit(std::function<void()> tick, QObject* parent);
    ~TimerUnit() override;
    int interval() const { return interval_; }
    // A new interval restarts the timer, 0 stops it, the same one changes
    // nothing.
    void setInterval(int interval);

  private:
    std::function<void()> tick_;
    int interval_ = 0;
    int timerId_ = -1;
};

} // namespace tk
