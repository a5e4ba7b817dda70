// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw_panel.h"

#include "qtext.h"
#include "unit_widgets.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace tk {

DrawPanel::DrawPanel(QWidget* parent) : QWidget(parent), font_(toQFont(Font{})) {
    // The canvas covers the panel and is opaque (it starts as the background
    // colour): Qt need not paint what lies below it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DrawPanel::~DrawPanel() = default;

void DrawPanel::setBackgroundPicture(const QByteArray& picture) {
    background_ = QImage::fromData(picture);
    scaledBackground_ = QImage();
    clear();
}

void DrawPanel::setStretchesBackground(bool stretches) {
    stretchesBackground_ = stretches;
    scaledBackground_ = QImage();
    clear();
}

void DrawPanel::setBackgroundColour(int colour) {
    backgroundColour_ = colour;
    // A picture at the corner lies on the colour.
    scaledBackground_ = QImage();
    clear();
}

void DrawPanel::setPanelFont(const Font& font) {
    font_ = toQFont(font);
    laidOutText_.clear();
    layout_.reset();
    measuredText_.clear();
    measuredWidth_ = 0;
    strip_ = {};
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
        painter.drawImage(0, 0, backgroundFor(grown.size()));
    }
    if (!canvas_.isNull()) {
        painter.drawImage(0, 0, canvas_);
    }
    painter.end();
    blank_ = background_.isNull() && (canvas_.isNull() || blank_);
    canvas_ = grown;
}

void DrawPanel::paintBackground(const QRect& area) {
    const bool whole = area.contains(canvas_.rect());
    blank_ = background_.isNull() && (blank_ || whole);
    if (background_.isNull() && whole) {
        canvas_.fill(toQColor(backgroundColour_));
        return;
    }
    QPainter painter(&canvas_);
    if (!background_.isNull()) {
        painter.drawImage(area, backgroundFor(canvas_.size()), area);
    } else {
        painter.fillRect(area, toQColor(backgroundColour_));
    }
}

// The background picture as it lies on a canvas of that size, kept.
const QImage& DrawPanel::backgroundFor(QSize size) {
    if (scaledBackground_.size() == size) {
        return scaledBackground_;
    }
    if (background_.size() == size) {
        scaledBackground_ = background_;
    } else if (stretchesBackground_) {
        scaledBackground_ =
            background_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        scaledBackground_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
        scaledBackground_.fill(toQColor(backgroundColour_));
        QPainter(&scaledBackground_).drawImage(0, 0, background_);
    }
    return scaledBackground_;
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
    if (blank_) {
        // On nothing but the background colour, the text looks exactly as
        // its strip does: copying that spares laying out every glyph again.
        const QImage& strip = stripFor(text, y);
        copyRows(strip, x - strip_.margin);
    } else {
        QPainter painter(&canvas_);
        drawText(painter, x, y, text);
    }
    blank_ = false;
    update();
}

void DrawPanel::drawText(QPainter& painter, int x, int y, const Text& text) {
    const QTextLayout& layout = laidOut(text);
    painter.setPen(toQColor(textColour_));
    // The write position is the top-left corner of the text. The designs'
    // serif face rises 0.86 em above its baseline, its stand-in higher: keep
    // the baseline where the designs had it, so text fits its panel.
    const int ascent = std::min(QFontMetrics(font_).ascent(),
                                static_cast<int>(0.86 * QFontInfo(font_).pixelSize() + 0.5));
    layout.draw(&painter, QPointF(x, y + ascent - layout.lineAt(0).ascent()));
}

// The strip is opaque: drawing it is copying its pixels, row by row.
void DrawPanel::copyRows(const QImage& strip, int left) {
    const int from = std::max(0, left);
    const int to = std::min(canvas_.width(), left + strip.width());
    const int rows = std::min(canvas_.height(), strip.height());
    for (int row = 0; row < rows && from < to; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(strip.constScanLine(row));
        std::copy(source + (from - left), source + (to - left),
                  reinterpret_cast<QRgb*>(canvas_.scanLine(row)) + from);
    }
}

// Whole-pixel moves keep every glyph's sub-pixel position, so the strip
// copied to x is what drawing at x gives.
const QImage& DrawPanel::stripFor(const Text& text, int y) {
    TextStrip& s = strip_;
    if (s.image.isNull() || s.text != text || s.top != y || s.image.height() != canvas_.height() ||
        s.textColour != textColour_ || s.backgroundColour != backgroundColour_) {
        // Room for glyphs that reach beyond their advance.
        const int margin = QFontInfo(font_).pixelSize();
        const double advance = laidOut(text).lineAt(0).naturalTextWidth();
        QImage image(static_cast<int>(std::ceil(advance)) + 2 * margin, canvas_.height(),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(toQColor(backgroundColour_));
        QPainter painter(&image);
        drawText(painter, margin, y, text);
        painter.end();
        s = {text, y, textColour_, backgroundColour_, margin, image};
    }
    return s.image;
}

void DrawPanel::drawLine(int x1, int y1, int x2, int y2) {
    if (canvas_.size() != size()) {
        resizeEvent(nullptr);
    }
    QPainter painter(&canvas_);
    painter.setPen(QPen(toQColor(penColour_), penWidth_));
    painter.drawLine(x1, y1, x2, y2);
    blank_ = false;
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
    blank_ = false;
    update();
}

const QTextLayout& DrawPanel::laidOut(const Text& text) {
    if (!layout_ || text != laidOutText_) {
        layout_ = std::make_unique<QTextLayout>(toQString(text), font_);
        layout_->setCacheEnabled(true);
        layout_->beginLayout();
        layout_->createLine();
        layout_->endLayout();
        laidOutText_ = text;
    }
    return *layout_;
}

int DrawPanel::textWidth(const Text& text) const {
    if (text != measuredText_) {
        measuredText_ = text;
        measuredWidth_ = QFontMetrics(font_).horizontalAdvance(toQString(text));
    }
    return measuredWidth_;
}

void DrawPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_, event->rect());
}

QImage LoadPicture(const QByteArray& data) {
    return QImage::fromData(data);
}

} // namespace tk
