// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw_panel.h"

#include "qtext.h"
#include "unit_widgets.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace tk {

DrawPanel::DrawPanel(QWidget* parent) : QWidget(parent), font_(toQFont(Font{})) {}

void DrawPanel::setBackgroundPicture(const QByteArray& picture) {
    background_ = QImage::fromData(picture);
    clear();
}

void DrawPanel::setBackgroundColour(int colour) {
    backgroundColour_ = colour;
    clear();
}

void DrawPanel::setPanelFont(const Font& font) {
    font_ = toQFont(font);
}

void DrawPanel::setTextColour(int colour) {
    textColour_ = colour;
}

void DrawPanel::setPen(int colour, int width) {
    penColour_ = colour;
    penWidth_ = width;
}

void DrawPanel::resizeEvent(QResizeEvent*) {
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&grown);
    painter.fillRect(grown.rect(), toQColor(backgroundColour_));
    if (!background_.isNull()) {
        painter.drawImage(grown.rect(), background_);
    }
    if (!canvas_.isNull()) {
        painter.drawImage(0, 0, canvas_);
    }
    painter.end();
    canvas_ = grown;
}

void DrawPanel::paintBackground(const QRect& area) {
    QPainter painter(&canvas_);
    if (!background_.isNull()) {
        const QImage scaled = background_.size() == canvas_.size()
                                  ? background_
                                  : background_.scaled(canvas_.size(), Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation);
        painter.drawImage(area, scaled, area);
    } else {
        painter.fillRect(area, toQColor(backgroundColour_));
    }
}

void DrawPanel::clear() {
    clear(0, 0, width(), height());
}

void DrawPanel::clear(int left, int top, int width, int height) {
    if (canvas_.size() != size()) {
        resizeEvent(nullptr);
    }
    paintBackground(QRect(left, top, width, height));
    writePosition_ = QPoint(left, top);
    update();
}

void DrawPanel::setWritePosition(int x, int y) {
    writePosition_ = QPoint(x, y);
}

void DrawPanel::write(const Text& text) {
    writeAt(writePosition_.x(), writePosition_.y(), text);
}

void DrawPanel::writeAt(int x, int y, const Text& text) {
    if (canvas_.size() != size()) {
        resizeEvent(nullptr);
    }
    QPainter painter(&canvas_);
    painter.setFont(font_);
    painter.setPen(toQColor(textColour_));
    // The write position is the top-left corner of the text. The designs'
    // serif face rises 0.86 em above its baseline, its stand-in higher: keep
    // the baseline where the designs had it, so text fits its panel.
    const int ascent = std::min(QFontMetrics(font_).ascent(),
                                static_cast<int>(0.86 * QFontInfo(font_).pixelSize() + 0.5));
    painter.drawText(x, y + ascent, toQString(text));
    update();
}

void DrawPanel::drawLine(int x1, int y1, int x2, int y2) {
    if (canvas_.size() != size()) {
        resizeEvent(nullptr);
    }
    QPainter painter(&canvas_);
    painter.setPen(QPen(toQColor(penColour_), penWidth_));
    painter.drawLine(x1, y1, x2, y2);
    update();
}

void DrawPanel::drawPicture(const QImage& picture, int x, int y, int width, int height,
                            int copyMode) {
    if (picture.isNull()) {
        return;
    }
    if (canvas_.size() != size()) {
        resizeEvent(nullptr);
    }
    QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    if (copyMode < 0) {
        const QRgb transparent = toQColor(-copyMode).rgb() | 0xFF000000u;
        for (int row = 0; row < source.height(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(source.scanLine(row));
            for (int column = 0; column < source.width(); ++column) {
                if ((line[column] | 0xFF000000u) == transparent) {
                    line[column] = 0;
                }
            }
        }
    }
    QPainter painter(&canvas_);
    if (width > 0 && height > 0) {
        painter.drawImage(QRect(x, y, width, height), source);
    } else {
        painter.drawImage(x, y, source);
    }
    update();
}

int DrawPanel::textWidth(const Text& text) const {
    return QFontMetrics(font_).horizontalAdvance(toQString(text));
}

void DrawPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

QImage LoadPicture(const QByteArray& data) {
    return QImage::fromData(data);
}

} // namespace tk
