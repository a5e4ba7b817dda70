// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing helpers shared by every picture of the book: fonts, fitted text,
// emoji pictures, rounded boxes, colours and image files.

#include "book_source.h"

#include <QByteArrayView>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

namespace bookmaker::kit {

QString qs(const std::string& utf8);

// The printed book's face with CJK and emoji fallbacks, at a pixel size.
QFont bookFont(qreal pixelSize, bool bold = false);
QFont chineseFont(qreal pixelSize, bool bold = false);

enum class Align { Left, Centre };

// Text laid out in lines at one size, ready to draw.
struct FittedText {
    QFont font;
    std::vector<QString> lines;
    qreal pixelSize = 0;
    bool fits = false; // false: drawn at the minimum size and clipped
};

struct FitRequest {
    QString text; // '\n' forces a line break
    QRectF box;   // device pixels
    qreal minPixels = 0;
    qreal maxPixels = 0;
    bool wrap = true;
    bool bold = false;
    bool chinese = false; // CJK face first
};

// The largest size at which the text fits the box (wrapped at spaces and
// between CJK characters), never below minPixels.
FittedText fitText(const FitRequest& request);

// Draws fitted text centred vertically in the box, clipped to it.
void drawFitted(QPainter& painter, const FittedText& text, const QRectF& box, const QColor& colour,
                Align align);

// Draws one line of text as outlines. The painter's own text drawing keeps
// glyph caches whose state changes what it draws next, so a picture would
// not come out the same from run to run.
void drawLine(QPainter& painter, QPointF baseline, const QString& text, const QFont& font,
              const QColor& colour);

// Height the lines of fitted text take, from the top of the tallest glyph to
// the bottom of the lowest descender.
qreal blockHeight(const FittedText& text);

// The emoji (or a drawn thing, "draw:...") as a picture cropped to its ink;
// a null image when there is no picture for it. Thread-safe and cached.
QImage emojiImage(const std::string& emoji);

// The part of a picture (ARGB32) that has ink; a null image when none has.
QImage cropToInk(const QImage& canvas);

// Draws the emoji as large as fits the box, centred; false when it has no
// picture.
bool drawEmoji(QPainter& painter, const std::string& emoji, const QRectF& box);

// A filled rounded box with a shadow and an outline.
void drawCard(QPainter& painter, const QRectF& box, qreal radius, const QColor& fill,
              const QColor& outline, qreal outlineWidth, qreal shadow);

QColor mix(const QColor& a, const QColor& b, qreal t);

// Writes the image as JPEG (or PNG by the file's extension), into place.
bool saveImage(const QImage& image, const std::filesystem::path& file, int quality,
               std::string& error);

// A new image, filled, ready for drawing.
QImage blankImage(int width, int height, const QColor& fill);

// Sets up antialiased drawing.
void prepare(QPainter& painter);

} // namespace bookmaker::kit
