// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures the emoji fonts do not have, drawn from shapes: a school desk, an
// open box and a school bag with a thing in, on or under them, something
// new, a pupil, and the backdrops of the story scenes.

#include "pictures_things.h"

#include "pictures_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <map>
#include <mutex>

namespace bookmaker::things {

namespace {

// Things are drawn on a square canvas of this many pixels.
constexpr int kCanvas = 240;

const QColor kOutline("#5a3b22");

void outlined(QPainter& painter, const QPainterPath& path, const QColor& fill) {
    painter.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath rounded(const QRectF& box, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

void desk(QPainter& painter) {
    const QColor wood("#d9a066");
    outlined(painter, rounded(QRectF(40, 110, 14, 110), 4), QColor("#8a8f99"));
    outlined(painter, rounded(QRectF(186, 110, 14, 110), 4), QColor("#8a8f99"));
    // The shelf under the top, where a pupil keeps books.
    outlined(painter, rounded(QRectF(34, 96, 172, 40), 6), QColor("#b97a45"));
    outlined(painter, polygon({{30, 96}, {210, 96}, {226, 70}, {14, 70}}), wood);
    outlined(painter, rounded(QRectF(12, 92, 216, 12), 4), QColor("#c98b52"));
}

// An open cardboard box seen from the front and a little above: its back
// and inside first, its front over whatever is in it.
void boxBack(QPainter& painter) {
    outlined(painter, polygon({{40, 110}, {200, 110}, {220, 84}, {60, 84}}), QColor("#8c5a2b"));
    outlined(painter, polygon({{40, 110}, {14, 80}, {46, 76}, {60, 84}}), QColor("#c98b52"));
    outlined(painter, polygon({{200, 110}, {226, 80}, {194, 76}, {220, 84}}), QColor("#c98b52"));
}

void boxFront(QPainter& painter) {
    outlined(painter, polygon({{40, 110}, {200, 110}, {200, 210}, {40, 210}}), QColor("#e0a463"));
    outlined(painter, polygon({{200, 110}, {220, 84}, {220, 184}, {200, 210}}), QColor("#b97a45"));
    painter.fillRect(QRectF(104, 112, 32, 40), QColor("#f3d39c"));
}

void closedBox(QPainter& painter, qreal top) {
    const qreal d = top - 110;
    outlined(painter, polygon({{40, 110 + d}, {200, 110 + d}, {220, 84 + d}, {60, 84 + d}}),
             QColor("#f0b878"));
    painter.save();
    painter.translate(0, d);
    boxFront(painter);
    painter.restore();
}

void bagBack(QPainter& painter) {
    QPainterPath strap;
    strap.moveTo(84, 80);
    strap.cubicTo(84, 20, 156, 20, 156, 80);
    painter.setPen(QPen(kOutline, 16, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(strap);
    painter.setPen(QPen(QColor("#e8473f"), 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(strap);
    outlined(painter, rounded(QRectF(40, 76, 160, 26), 12), QColor("#7a1f1a"));
}

void bagFront(QPainter& painter) {
    outlined(painter, rounded(QRectF(34, 92, 172, 126), 26), QColor("#e8473f"));
    outlined(painter, rounded(QRectF(70, 150, 100, 50), 12), QColor("#f2766f"));
    painter.fillRect(QRectF(112, 146, 16, 12), QColor("#ffd54a"));
}

// The thing fills a square of this side.
void thing(QPainter& painter, const std::string& emoji, const QRectF& square) {
    kit::drawEmoji(painter, emoji, square);
}

// A thing standing on the bottom of its square, as on a surface.
void standing(QPainter& painter, const std::string& emoji, const QRectF& square) {
    const QImage image = kit::emojiImage(emoji);
    if (image.isNull()) {
        return;
    }
    const qreal scale = std::min(square.width() / image.width(), square.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    painter.drawImage(QRectF(square.center().x() - size.width() / 2,
                             square.bottom() - size.height(), size.width(), size.height()),
                      image);
}

void sparkle(QPainter& painter, QPointF centre, qreal r) {
    QPainterPath star;
    star.moveTo(centre.x(), centre.y() - r);
    star.quadTo(centre, QPointF(centre.x() + r, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() + r));
    star.quadTo(centre, QPointF(centre.x() - r, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() - r));
    painter.setPen(QPen(QColor("#e0a100"), 2));
    painter.setBrush(QColor("#ffd83d"));
    painter.drawPath(star);
}

void chair(QPainter& painter) {
    thing(painter, "🪑", QRectF(20, 0, 200, 240));
}

// A thing in, on or under a box, a bag, a desk or a chair. The thing lies
// in the top half of the canvas when it is in or on, in the bottom half
// when it is under.
bool placed(QPainter& painter, const QString& holder, const QString& place,
            const std::string& inner) {
    if (place == "in" && holder == "box") {
        boxBack(painter);
        thing(painter, inner, QRectF(76, 56, 88, 88));
        boxFront(painter);
    } else if (place == "in" && holder == "bag") {
        bagBack(painter);
        thing(painter, inner, QRectF(66, 20, 108, 108));
        bagFront(painter);
    } else if (place == "on" && holder == "box") {
        closedBox(painter, 130);
        standing(painter, inner, QRectF(80, 36, 80, 80));
    } else if (place == "on" && holder == "desk") {
        painter.save();
        painter.translate(0, 20);
        desk(painter);
        painter.restore();
        standing(painter, inner, QRectF(80, 10, 80, 80));
    } else if (place == "under" && holder == "box") {
        thing(painter, inner, QRectF(78, 150, 84, 84));
        closedBox(painter, 60);
    } else if (place == "under" && holder == "desk") {
        desk(painter);
        thing(painter, inner, QRectF(80, 140, 80, 80));
    } else if (place == "under" && holder == "chair") {
        thing(painter, inner, QRectF(70, 150, 90, 90));
        chair(painter);
    } else {
        return false;
    }
    return true;
}

// Draws `what` on the canvas; false when it names no thing.
bool drawThing(QPainter& painter, const QStringList& what) {
    const QString name = what.value(0);
    if (what.size() == 3) {
        return placed(painter, name, what[1], what[2].toStdString());
    }
    if (name == "desk" && what.size() == 1) {
        desk(painter);
    } else if (name == "box" && what.size() == 1) {
        boxBack(painter);
        boxFront(painter);
    } else if (name == "new" && what.size() == 2) {
        thing(painter, what[1].toStdString(), QRectF(40, 40, 160, 160));
        sparkle(painter, {42, 50}, 30);
        sparkle(painter, {202, 92}, 22);
        sparkle(painter, {186, 206}, 18);
    } else if (name == "pupil" && what.size() == 1) {
        thing(painter, "🧒", QRectF(14, 20, 150, 150));
        thing(painter, "🎒", QRectF(130, 110, 100, 100));
    } else {
        return false;
    }
    return true;
}

} // namespace

bool isThing(const std::string& emoji) {
    return emoji.starts_with(kPrefix);
}

QImage thingImage(const std::string& emoji) {
    static std::mutex mutex;
    static std::map<std::string, QImage> cache;
    {
        const std::lock_guard lock(mutex);
        if (const auto found = cache.find(emoji); found != cache.end()) {
            return found->second;
        }
    }
    const QStringList what =
        kit::qs(emoji.substr(std::string_view(kPrefix).size())).split(u' ', Qt::SkipEmptyParts);
    QImage image(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    kit::prepare(painter);
    const bool known = drawThing(painter, what);
    painter.end();
    // A thing placed in, on or under another keeps the whole canvas, so its
    // parts stay where a layout expects them; one alone is cropped to fill.
    if (!known) {
        image = QImage();
    } else if (what.size() != 3) {
        image = kit::cropToInk(image);
    }
    const std::lock_guard lock(mutex);
    cache.emplace(emoji, image);
    return image;
}

void drawBackdrop(QPainter& painter, const QRectF& box, qreal radius, const std::string& place) {
    painter.save();
    painter.setClipPath(rounded(box, radius));
    const qreal groundTop = box.top() + box.height() * 0.7;
    QLinearGradient sky(box.topLeft(), QPointF(box.left(), groundTop));
    const bool outdoors = place == "zoo" || place == "park";
    sky.setColorAt(0, outdoors ? QColor("#bfe6ff") : QColor("#fff6e6"));
    sky.setColorAt(1, outdoors ? QColor("#eaf7ff") : QColor("#fdebd0"));
    painter.fillRect(box, sky);
    const QRectF ground(box.left(), groundTop, box.width(), box.bottom() - groundTop);
    const qreal u = std::min(box.width(), box.height()) / 20;
    painter.setPen(Qt::NoPen);
    if (outdoors) {
        painter.fillRect(ground, QColor("#b5e08a"));
        painter.setBrush(QColor("#fff3a6"));
        painter.drawEllipse(QPointF(box.right() - 3 * u, box.top() + 3 * u), 2 * u, 2 * u);
        if (place == "zoo") {
            // A wooden fence along the grass.
            painter.setBrush(QColor("#c9955c"));
            painter.drawRect(QRectF(box.left(), groundTop - 2.2 * u, box.width(), 0.6 * u));
            for (qreal x = box.left() + u; x < box.right(); x += 2.5 * u) {
                painter.drawRect(QRectF(x, groundTop - 3 * u, 0.7 * u, 3 * u));
            }
        }
    } else {
        painter.fillRect(ground, place == "classroom" ? QColor("#e3c39a") : QColor("#d9b48a"));
        if (place == "classroom") {
            // The blackboard on the wall.
            painter.setBrush(QColor("#3f6e52"));
            painter.drawRoundedRect(
                QRectF(box.center().x() - 5 * u, box.top() + 1.5 * u, 10 * u, 5 * u), 0.6 * u,
                0.6 * u);
        } else {
            // A window with the sky outside.
            painter.setBrush(QColor("#ffffff"));
            const QRectF window(box.left() + 2 * u, box.top() + 1.5 * u, 5 * u, 5 * u);
            painter.drawRect(window);
            painter.setBrush(QColor("#bfe6ff"));
            painter.drawRect(window.adjusted(0.5 * u, 0.5 * u, -0.5 * u, -0.5 * u));
            painter.setBrush(QColor("#ffffff"));
            painter.drawRect(
                QRectF(window.center().x() - 0.25 * u, window.top(), 0.5 * u, window.height()));
            painter.drawRect(
                QRectF(window.left(), window.center().y() - 0.25 * u, window.width(), 0.5 * u));
        }
    }
    painter.restore();
}

bool isBackdrop(const std::string& place) {
    return place == "zoo" || place == "park" || place == "classroom" || place == "home";
}

} // namespace bookmaker::things
