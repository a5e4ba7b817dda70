// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The large pictures of the windows: the start window, the cover, the word
// drill and the game backgrounds. Each keeps calm, light areas where the
// window puts its text and controls, and its scenery around them.

#include "pictures_draw.h"
#include "pictures_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace bookmaker::draw {

namespace {

using kit::Align;

void cloud(QPainter& painter, QPointF at, qreal size, const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(at, size, size * 0.62);
    path.addEllipse(at + QPointF(size * 0.85, size * 0.12), size * 0.72, size * 0.5);
    path.addEllipse(at + QPointF(-size * 0.85, size * 0.16), size * 0.66, size * 0.44);
    path.addEllipse(at + QPointF(size * 0.3, -size * 0.35), size * 0.6, size * 0.5);
    painter.drawPath(path.simplified());
    painter.restore();
}

// A rolling hill from the left to the right edge, filled down to the bottom.
void hill(QPainter& painter, qreal width, qreal height, qreal y0, qreal y1, qreal bump,
          const QColor& colour) {
    QPainterPath path;
    path.moveTo(0, y0);
    path.cubicTo(width * 0.3, y0 - bump, width * 0.6, y1 + bump * 0.6, width, y1);
    path.lineTo(width, height);
    path.lineTo(0, height);
    path.closeSubpath();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

void sky(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(area, gradient);
}

void panel(QPainter& painter, const QRectF& box, const QColor& fill, qreal radius) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);
    painter.restore();
}

void art(QPainter& painter, const char* emoji, qreal x, qreal y, qreal size) {
    kit::drawEmoji(painter, emoji, QRectF(x, y, size, size));
}

void print(QPainter& painter, const QString& text, const QRectF& box, const QColor& colour,
           qreal maxPixels, bool chinese, Align align = Align::Centre) {
    const kit::FittedText fitted = kit::fitText({text, box, 6, maxPixels, false, true, chinese});
    kit::drawFitted(painter, fitted, box, colour, align);
}

// Wood with a few darker grain lines.
void wood(QPainter& painter, const QRectF& area, const QColor& light, const QColor& dark) {
    QLinearGradient base(area.topLeft(), area.bottomLeft());
    base.setColorAt(0, light);
    base.setColorAt(1, kit::mix(light, dark, 0.35));
    painter.fillRect(area, base);
    painter.save();
    painter.setClipRect(area);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 26; ++i) {
        const qreal y = area.top() + area.height() * (i + 0.5) / 26;
        QPainterPath grain;
        grain.moveTo(area.left(), y);
        const qreal wave = 3 + (i * 7 % 5);
        grain.cubicTo(area.left() + area.width() * 0.3, y - wave, area.left() + area.width() * 0.6,
                      y + wave, area.right(), y + (i % 3 - 1) * 2);
        painter.setPen(QPen(QColor(dark.red(), dark.green(), dark.blue(), 40 + (i * 13) % 30),
                            1 + (i % 4) * 0.4));
        painter.drawPath(grain);
    }
    painter.restore();
}

// A sheet of paper with a soft shadow, optionally pinned at the top.
void paper(QPainter& painter, const QRectF& box, const QColor& fill, bool pin,
           const QColor& pinColour) {
    panel(painter, box.translated(3, 5), QColor(40, 20, 0, 70), 6);
    panel(painter, box, fill, 6);
    QLinearGradient shine(box.topLeft(), box.bottomRight());
    shine.setColorAt(0, QColor(255, 255, 255, 60));
    shine.setColorAt(1, QColor(0, 0, 0, 12));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawRoundedRect(box, 6, 6);
    if (pin) {
        const QPointF head(box.center().x(), box.top() + 10);
        QRadialGradient ball(head - QPointF(2, 2), 8);
        ball.setColorAt(0, pinColour.lighter(160));
        ball.setColorAt(1, pinColour);
        painter.setBrush(ball);
        painter.drawEllipse(head, 6.5, 6.5);
    }
    painter.restore();
}

void grass(QPainter& painter, qreal width, qreal top, qreal height) {
    hill(painter, width, height, top + 18, top + 6, 26, QColor("#b9e59a"));
    hill(painter, width, height, top + 40, top + 52, -24, QColor("#9fd97e"));
}

} // namespace

QImage startBackground() {
    QImage image = kit::blankImage(803, 605, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    sky(painter, QRectF(0, 0, 803, 605), QColor("#9fd8ff"), QColor("#e9f7ff"));
    cloud(painter, QPointF(120, 60), 34, QColor(255, 255, 255, 200));
    cloud(painter, QPointF(330, 40), 24, QColor(255, 255, 255, 180));
    cloud(painter, QPointF(790, 22), 22, QColor(255, 255, 255, 160));
    // Rainbow behind the scene, low on the left.
    const std::array<const char*, 6> bands{"#ff8a80", "#ffcc80", "#fff59d",
                                           "#a5d6a7", "#90caf9", "#ce93d8"};
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const qreal r = 210 - qreal(i) * 10;
        QColor colour(bands[i]);
        colour.setAlpha(170);
        painter.setPen(QPen(colour, 10, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(QRectF(190 - r, 520 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    painter.restore();
    hill(painter, 803, 605, 470, 430, 50, QColor("#b6e39b"));
    hill(painter, 803, 605, 520, 560, -30, QColor("#8fd072"));
    // The scene sits below the cover frame, left of the help texts.
    art(painter, "🏫", 205, 330, 120);
    art(painter, "🌳", 20, 380, 105);
    art(painter, "🌳", 318, 392, 80);
    art(painter, "🐼", 120, 470, 90);
    art(painter, "👧", 40, 500, 72);
    art(painter, "👦", 240, 490, 78);
    art(painter, "🎈", 322, 300, 46);
    art(painter, "🌼", 12, 565, 30);
    art(painter, "🌷", 350, 560, 32);
    art(painter, "🦋", 110, 318, 40);
    // Calm, light grounds under the cover frame and the help texts.
    panel(painter, QRectF(4, 8, 376, 280), QColor(255, 255, 255, 120), 14);
    panel(painter, QRectF(400, 8, 382, 552), QColor(255, 255, 255, 150), 16);
    return image;
}

QImage cover() {
    QImage image = kit::blankImage(150, 200, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    sky(painter, QRectF(0, 0, 150, 200), QColor("#fff1b8"), QColor("#ffc98a"));
    panel(painter, QRectF(0, 0, 150, 46), QColor("#e8465a"), 0);
    print(painter, QStringLiteral("Pellora English"), QRectF(6, 5, 138, 22), Qt::white, 20, false);
    print(painter, QString::fromUtf8("三年级下册"), QRectF(6, 27, 138, 16), QColor("#fff3c4"), 14,
          true);
    hill(painter, 150, 200, 158, 148, 12, QColor("#9fd97e"));
    art(painter, "🐼", 38, 68, 74);
    art(painter, "👧", 8, 122, 40);
    art(painter, "👦", 104, 124, 38);
    art(painter, "⭐", 12, 56, 18);
    art(painter, "🎈", 118, 54, 22);
    panel(painter, QRectF(0, 178, 150, 22), QColor(255, 255, 255, 150), 0);
    print(painter, QStringLiteral("Grade 3 · Book 2"), QRectF(8, 180, 134, 18), QColor("#7a3b12"),
          13, false);
    return image;
}

QImage drillBackground() {
    // Drawn in 800 x 560 units (the drill page) at 5 pixels each; the fill-in
    // window shows it stretched to 800 x 600.
    constexpr qreal kScale = 5;
    QImage image = kit::blankImage(4000, 2800, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    painter.scale(kScale, kScale);
    painter.fillRect(QRectF(0, 0, 800, 560), QColor("#fffdf3"));
    // Notebook rules, faint enough to write over.
    painter.setPen(QPen(QColor(120, 170, 220, 55), 0.8));
    for (qreal y = 84; y < 548; y += 30) {
        painter.drawLine(QPointF(0, y), QPointF(800, y));
    }
    painter.setPen(QPen(QColor(230, 90, 90, 90), 1.2));
    painter.drawLine(QPointF(96, 62), QPointF(96, 560));
    // Binding along the top.
    QLinearGradient band(QPointF(0, 0), QPointF(0, 62));
    band.setColorAt(0, QColor("#8fd0a0"));
    band.setColorAt(1, QColor("#67b77e"));
    painter.fillRect(QRectF(0, 0, 800, 62), band);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 20; ++i) {
        const qreal x = 22 + i * 39.5;
        painter.setBrush(QColor("#fffdf3"));
        painter.drawEllipse(QPointF(x, 46), 5.5, 5.5);
        painter.setBrush(QColor("#9aa3ab"));
        painter.drawRoundedRect(QRectF(x - 2.2, 20, 4.4, 28), 2.2, 2.2);
    }
    // Pictures only in the margins, clear of every control.
    art(painter, "🍎", 18, 110, 56);
    art(painter, "✏️", 20, 210, 54);
    art(painter, "📚", 16, 310, 60);
    art(painter, "⭐", 26, 410, 44);
    art(painter, "🌈", 650, 500, 54);
    art(painter, "🐼", 712, 494, 62);
    art(painter, "🎒", 20, 490, 58);
    return image;
}

QImage orderingBackground() {
    QImage image = kit::blankImage(800, 600, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    sky(painter, QRectF(0, 0, 800, 600), QColor("#cdeeff"), QColor("#f4fbff"));
    cloud(painter, QPointF(690, 40), 26, QColor(255, 255, 255, 230));
    cloud(painter, QPointF(80, 110), 18, QColor(255, 255, 255, 200));
    // Title plaque over the word row.
    panel(painter, QRectF(200, 26, 400, 84), QColor(255, 255, 255, 220), 20);
    print(painter, QString::fromUtf8("句子排排队"), QRectF(250, 34, 300, 44), QColor("#2f6fb5"), 40,
          true);
    print(painter, QStringLiteral("Put the words in order"), QRectF(250, 78, 300, 26),
          QColor("#e0620d"), 22, false);
    art(painter, "🧩", 130, 40, 56);
    art(painter, "🐼", 614, 34, 64);
    // The working area stays plain and light.
    panel(painter, QRectF(8, 140, 784, 356), QColor(255, 255, 255, 170), 16);
    grass(painter, 800, 510, 600);
    art(painter, "🌷", 30, 530, 40);
    art(painter, "🌼", 90, 548, 30);
    art(painter, "🐞", 250, 556, 26);
    art(painter, "🌻", 700, 520, 52);
    art(painter, "🦋", 560, 540, 34);
    return image;
}

QImage matchingBackground() {
    QImage image = kit::blankImage(800, 600, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    sky(painter, QRectF(0, 0, 800, 600), QColor("#d8f1ff"), QColor("#fbfff4"));
    cloud(painter, QPointF(40, 50), 24, QColor(255, 255, 255, 220));
    cloud(painter, QPointF(760, 110), 28, QColor(255, 255, 255, 220));
    cloud(painter, QPointF(420, 20), 16, QColor(255, 255, 255, 140));
    hill(painter, 800, 600, 488, 470, 30, QColor("#c5ebaa"));
    hill(painter, 800, 600, 530, 548, -26, QColor("#a5dc85"));
    // Trees and friends at both sides of the board.
    art(painter, "🌳", 0, 360, 84);
    art(painter, "🐰", 14, 440, 52);
    art(painter, "🌳", 722, 350, 80);
    art(painter, "🐿️", 740, 432, 46);
    art(painter, "🦋", 22, 250, 40);
    art(painter, "🐝", 744, 250, 34);
    art(painter, "🌼", 10, 560, 30);
    art(painter, "🌷", 560, 560, 30);
    art(painter, "🌼", 690, 566, 26);
    return image;
}

QImage findingBackground() {
    QImage image = kit::blankImage(800, 600, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    wood(painter, QRectF(0, 0, 800, 600), QColor("#c98f55"), QColor("#7a4a1e"));
    // A darker shelf at the bottom, under the white countdown text.
    wood(painter, QRectF(0, 506, 800, 94), QColor("#8a5428"), QColor("#4a2a10"));
    painter.fillRect(QRectF(0, 504, 800, 4), QColor(60, 30, 10, 120));
    // The note where the question is written, centred on x = 150.
    const QRectF note(28, 150, 244, 236);
    panel(painter, note.translated(3, 6), QColor(40, 20, 0, 80), 4);
    QLinearGradient yellow(note.topLeft(), note.bottomLeft());
    yellow.setColorAt(0, QColor("#fff48a"));
    yellow.setColorAt(1, QColor("#ffe45a"));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(yellow);
    painter.drawRect(note);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawRect(QRectF(110, 140, 80, 22)); // tape
    painter.restore();
    art(painter, "❓", 132, 178, 36);
    // Four cards, exactly where the clicks count.
    const std::array<QRectF, 4> cards{QRectF(371, 85, 178, 164), QRectF(591, 85, 178, 164),
                                      QRectF(371, 291, 178, 158), QRectF(591, 291, 178, 158)};
    const std::array<const char*, 4> pins{"#e53935", "#1e88e5", "#43a047", "#fb8c00"};
    for (std::size_t i = 0; i < cards.size(); ++i) {
        paper(painter, cards[i], QColor("#fffaf0"), true, QColor(pins[i]));
    }
    // Title plaque.
    panel(painter, QRectF(28, 24, 244, 96), QColor(255, 248, 225, 235), 14);
    print(painter, QString::fromUtf8("单词大搜索"), QRectF(40, 34, 220, 42), QColor("#8a4b14"), 36,
          true);
    print(painter, QStringLiteral("Find the right card!"), QRectF(40, 80, 220, 28),
          QColor("#c0392b"), 22, false);
    art(painter, "🐼", 200, 420, 64);
    art(painter, "🌼", 40, 420, 40);
    return image;
}

} // namespace bookmaker::draw
