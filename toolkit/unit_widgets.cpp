// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_widgets.h"

#include "clock.h"
#include "services.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>

namespace tk {

QFont toQFont(const Font& font) {
    QFont result;
    const QString face = QString::fromStdString(font.face);
    // The GBK serif face of the designs is not on a Linux desktop: its
    // nearest kin is Noto Serif CJK.
    if (face == QStringLiteral("宋体")) {
        result.setFamilies({"Noto Serif CJK SC", "Noto Sans CJK SC", "Noto Color Emoji"});
    } else {
        result.setFamilies({face, "Noto Sans CJK SC", "Noto Color Emoji"});
    }
    result.setPointSize(font.size > 0 ? font.size : 9);
    return result;
}

QColor toQColor(int colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

TextLabel::TextLabel(bool transparent, QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(!transparent);
    if (transparent) {
        setAttribute(Qt::WA_TranslucentBackground);
    }
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
}

SuperButton::SuperButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void SuperButton::setFace(const QByteArray& picture) {
    face_ = QImage::fromData(picture);
    update();
}

void SuperButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool down = isDown() || isChecked();
    if (!face_.isNull()) {
        painter.drawImage(rect(), face_);
    } else {
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, down ? QColor(255, 200, 120) : QColor(255, 236, 170));
        fill.setColorAt(1, down ? QColor(240, 150, 60) : QColor(250, 190, 90));
        painter.setBrush(fill);
        painter.setPen(QColor(190, 120, 40));
        painter.drawRoundedRect(area, 6, 6);
    }
    if (!text().isEmpty()) {
        painter.setPen(isEnabled() ? QColor(70, 40, 10) : QColor(150, 150, 150));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
    if (!isEnabled()) {
        painter.fillRect(rect(), QColor(230, 230, 230, 150));
    } else if (down && !face_.isNull()) {
        painter.fillRect(rect(), QColor(0, 0, 0, 40));
    }
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

PictureBox::~PictureBox() {
    stopMovie();
}

void PictureBox::stopMovie() {
    if (movie_) {
        movie_->stop();
    }
    movie_.reset();
    movieBuffer_.reset();
}

void PictureBox::setPicture(const QByteArray& picture) {
    stopMovie();
    data_ = picture;
    image_ = QImage();
    scaled_ = QImage();
    if (data_.startsWith("GIF8")) {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(data_);
        buffer->open(QIODevice::ReadOnly);
        auto movie = std::make_unique<QMovie>(buffer.get(), QByteArray(), nullptr);
        if (movie->isValid() && movie->frameCount() > 1) {
            movieBuffer_ = std::move(buffer);
            movie_ = std::move(movie);
            connect(movie_.get(), &QMovie::frameChanged, this, [this] { update(); });
            if (isVisible()) {
                movie_->start();
            }
            update();
            return;
        }
    }
    if (!data_.isEmpty()) {
        decode();
    }
    update();
}

void PictureBox::setImage(const QImage& image) {
    stopMovie();
    data_.clear();
    image_ = image;
    scaled_ = QImage();
    update();
}

// Decodes straight at the box's size: a large JPEG then costs a fraction of
// a full decode, and painting needs no scaling.
void PictureBox::decode() {
    QBuffer source(&data_);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    if (!size().isEmpty()) {
        reader.setScaledSize(size());
    }
    image_ = reader.read();
    scaled_ = QImage();
}

void PictureBox::resizeEvent(QResizeEvent*) {
    scaled_ = QImage();
    if (!data_.isEmpty() && !movie_) {
        decode();
    }
}

// A hidden movie would go on decoding frames that nobody sees.
void PictureBox::showEvent(QShowEvent*) {
    if (movie_) {
        movie_->start();
    }
}

void PictureBox::hideEvent(QHideEvent*) {
    if (movie_) {
        movie_->stop();
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (movie_) {
        painter.drawImage(rect(), movie_->currentImage());
        return;
    }
    if (image_.isNull()) {
        return;
    }
    if (image_.size() == size()) {
        painter.drawImage(0, 0, image_);
        return;
    }
    if (scaled_.size() != size()) {
        scaled_ = image_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    painter.drawImage(0, 0, scaled_);
}

TimerUnit::TimerUnit(std::function<void()> tick, QObject* parent)
    : QObject(parent), tick_(std::move(tick)) {}

TimerUnit::~TimerUnit() {
    setInterval(0);
}

void TimerUnit::setInterval(int interval) {
    if (interval < 0) {
        interval = 0;
    }
    if (interval == interval_) {
        return;
    }
    Clock* clock = services().clock;
    if (timerId_ >= 0 && clock) {
        clock->stopTimer(timerId_);
    }
    timerId_ = -1;
    interval_ = interval;
    if (interval_ > 0 && clock) {
        timerId_ = clock->startTimer(interval_, tick_);
    }
}

} // namespace tk
