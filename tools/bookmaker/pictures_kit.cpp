// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures_kit.h"

#include "maker_files.h"
#include "pictures_things.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace bookmaker::kit {

namespace {

const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");

// Ink above and below the baseline, per pixel of font size.
struct Extents {
    qreal top = 0;
    qreal bottom = 0;
};

Extents measureExtents(const QFont& font, const QString& sample) {
    QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(sample);
    const qreal size = font.pixelSize();
    return {-ink.top() / size, ink.bottom() / size};
}

const Extents& latinExtents() {
    static const Extents extents = measureExtents(bookFont(200), QStringLiteral("Hbdfhklgjpqy"));
    return extents;
}

const Extents& cjkExtents() {
    static const Extents extents = measureExtents(chineseFont(200), QStringLiteral("你好我们学"));
    return extents;
}

bool isCjk(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFF00 && u <= 0xFFEF) || (u >= 0x3000 && u <= 0x303F);
}

bool hasCjk(const QString& text) {
    return std::any_of(text.begin(), text.end(), isCjk);
}

// Punctuation that must not start a line.
bool isClosing(QChar c) {
    static const QString closing = QStringLiteral("，。！？；：、）」》’”,.!?;:)");
    return closing.contains(c);
}

struct Piece {
    QString text;
    int spacesBefore = 0; // a run of spaces lines up columns ("1. panda   tiger")
};

// Breakable pieces of one paragraph: words, and single CJK characters (with
// the punctuation that follows them).
std::vector<Piece> pieces(const QString& paragraph) {
    std::vector<Piece> out;
    int spaces = 0;
    QString word;
    auto flush = [&] {
        if (!word.isEmpty()) {
            out.push_back({word, spaces});
            word.clear();
            spaces = 0;
        }
    };
    for (QChar c : paragraph) {
        if (c == u' ') {
            flush();
            spaces = out.empty() ? 0 : spaces + 1;
        } else if (isCjk(c) && !isClosing(c)) {
            flush();
            out.push_back({QString(c), spaces});
            spaces = 0;
        } else if (isClosing(c) && word.isEmpty() && !out.empty() && spaces == 0) {
            out.back().text += c;
        } else {
            word += c;
        }
    }
    flush();
    return out;
}

QFont faceFor(const FitRequest& request, int pixels) {
    return request.chinese ? chineseFont(pixels, request.bold) : bookFont(pixels, request.bold);
}

qreal lineWidth(const QFontMetricsF& metrics, const QString& line) {
    return metrics.horizontalAdvance(line);
}

// Lays the text out at one size; false when a line is too wide or the lines
// are too tall for the box.
bool layout(const FitRequest& request, int pixels, FittedText& out) {
    out.font = faceFor(request, pixels);
    out.pixelSize = pixels;
    out.lines.clear();
    const QFontMetricsF metrics(out.font);
    const qreal width = request.box.width();
    bool fits = true;
    for (const QString& paragraph : request.text.split(u'\n')) {
        if (!request.wrap) {
            out.lines.push_back(paragraph);
            fits = fits && lineWidth(metrics, paragraph) <= width;
            continue;
        }
        QString line;
        for (const Piece& piece : pieces(paragraph)) {
            const QString candidate =
                line.isEmpty() ? piece.text : line + QString(piece.spacesBefore, u' ') + piece.text;
            if (line.isEmpty() || lineWidth(metrics, candidate) <= width) {
                line = candidate;
            } else {
                out.lines.push_back(line);
                line = piece.text;
            }
        }
        out.lines.push_back(line);
    }
    for (const QString& line : out.lines) {
        fits = fits && lineWidth(metrics, line) <= width;
    }
    return fits && blockHeight(out) <= request.box.height();
}

qreal linePitch(const FittedText& text) {
    const bool cjk = std::any_of(text.lines.begin(), text.lines.end(), hasCjk);
    return text.pixelSize * (cjk ? 1.28 : 1.18);
}

Extents extentsOf(const FittedText& text) {
    Extents e = latinExtents();
    if (std::any_of(text.lines.begin(), text.lines.end(), hasCjk)) {
        e.top = std::max(e.top, cjkExtents().top);
        e.bottom = std::max(e.bottom, cjkExtents().bottom);
    }
    return e;
}

// The same number of lines, as even in length as they go: the narrowest
// width that still needs no more lines.
FittedText balanced(const FitRequest& request, const FittedText& fitted) {
    if (!request.wrap || !fitted.fits || fitted.lines.size() < 2) {
        return fitted;
    }
    const int pixels = int(fitted.pixelSize);
    qreal low = 0;
    qreal high = request.box.width();
    FittedText best = fitted;
    for (int step = 0; step < 12; ++step) {
        const qreal middle = (low + high) / 2;
        FitRequest narrower = request;
        narrower.box.setWidth(middle);
        FittedText attempt;
        if (layout(narrower, pixels, attempt) && attempt.lines.size() == fitted.lines.size()) {
            high = middle;
            best = attempt;
            best.fits = true;
        } else {
            low = middle;
        }
    }
    return best;
}

} // namespace

void drawLine(QPainter& painter, QPointF baseline, const QString& text, const QFont& font,
              const QColor& colour) {
    QPainterPath path;
    path.addText(baseline, font, text);
    path.setFillRule(Qt::WindingFill); // glyph outlines may overlap
    painter.fillPath(path, colour);
}

QString qs(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QFont bookFont(qreal pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Andika"), QStringLiteral("Noto Sans CJK SC"), kEmojiFamily});
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont chineseFont(qreal pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Andika"), kEmojiFamily});
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal blockHeight(const FittedText& text) {
    if (text.lines.empty()) {
        return 0;
    }
    const Extents e = extentsOf(text);
    return text.pixelSize * (e.top + e.bottom) + linePitch(text) * qreal(text.lines.size() - 1);
}

FittedText fitText(const FitRequest& request) {
    FittedText best;
    int low = std::max(1, int(std::ceil(request.minPixels)));
    int high = std::max(low, int(std::floor(request.maxPixels)));
    if (!layout(request, low, best)) {
        best.fits = false;
        return best;
    }
    best.fits = true;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        FittedText attempt;
        if (layout(request, middle, attempt)) {
            low = middle;
            best = attempt;
            best.fits = true;
        } else {
            high = middle - 1;
        }
    }
    return balanced(request, best);
}

void drawFitted(QPainter& painter, const FittedText& text, const QRectF& box, const QColor& colour,
                Align align) {
    if (text.lines.empty()) {
        return;
    }
    painter.save();
    painter.setClipRect(box.adjusted(-1, -1, 1, 1));
    painter.setFont(text.font);
    painter.setPen(colour);
    const QFontMetricsF metrics(text.font);
    const Extents e = extentsOf(text);
    const qreal pitch = linePitch(text);
    qreal baseline = box.top() + (box.height() - blockHeight(text)) / 2 + e.top * text.pixelSize;
    for (const QString& line : text.lines) {
        qreal x = box.left();
        if (align == Align::Centre) {
            x += (box.width() - metrics.horizontalAdvance(line)) / 2;
        }
        drawLine(painter, QPointF(x, baseline), line, text.font, colour);
        baseline += pitch;
    }
    painter.restore();
}

QImage cropToInk(const QImage& canvas) {
    int left = canvas.width();
    int right = -1;
    int top = canvas.height();
    int bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QImage() : canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

QImage emojiImage(const std::string& emoji) {
    if (things::isThing(emoji)) {
        return things::thingImage(emoji);
    }
    static std::mutex mutex;
    static std::map<std::string, QImage> cache;
    const std::lock_guard lock(mutex);
    if (auto found = cache.find(emoji); found != cache.end()) {
        return found->second;
    }
    // 109 pixels is the size the colour glyphs are stored at: no scaling here.
    QFont font;
    font.setFamilies({kEmojiFamily});
    font.setPixelSize(109);
    const QString text = qs(emoji);
    const QFontMetricsF metrics(font);
    const int width = int(metrics.horizontalAdvance(text)) + 60;
    QImage canvas(std::max(width, 60), 200, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.drawText(QPointF(30, 140), text);
    }
    const QImage cropped = cropToInk(canvas);
    cache.emplace(emoji, cropped);
    return cropped;
}

bool drawEmoji(QPainter& painter, const std::string& emoji, const QRectF& box) {
    const QImage image = emojiImage(emoji);
    if (image.isNull() || box.width() <= 0 || box.height() <= 0) {
        return false;
    }
    const qreal scale = std::min(box.width() / image.width(), box.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                        size.width(), size.height());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
    return true;
}

void drawCard(QPainter& painter, const QRectF& box, qreal radius, const QColor& fill,
              const QColor& outline, qreal outlineWidth, qreal shadow) {
    painter.save();
    painter.setPen(Qt::NoPen);
    if (shadow > 0) {
        painter.setBrush(QColor(0, 0, 0, 34));
        painter.drawRoundedRect(box.translated(shadow * 0.6, shadow), radius, radius);
    }
    painter.setBrush(fill);
    const qreal inset = outlineWidth / 2;
    const QRectF inner = box.adjusted(inset, inset, -inset, -inset);
    if (outlineWidth > 0) {
        painter.setPen(QPen(outline, outlineWidth));
    }
    painter.drawRoundedRect(inner, radius, radius);
    painter.restore();
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

bool saveImage(const QImage& image, const std::filesystem::path& file, int quality,
               std::string& error) {
    const QByteArray format = file.extension() == ".png" ? "PNG" : "JPEG";
    const QImage flat = image.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !flat.save(&buffer, format.constData(), quality)) {
        error = "cannot encode " + file.string();
        return false;
    }
    return writeFile(
        file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
}

QImage blankImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

} // namespace bookmaker::kit
