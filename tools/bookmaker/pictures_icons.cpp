// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Small pictures: the listen icon, answer marks, matching tiles, the reward
// flower, the loading animation and the button faces.

#include "pictures_draw.h"
#include "pictures_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace bookmaker::draw {

namespace {

void stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

struct ButtonColours {
    QColor top;
    QColor bottom;
};

ButtonColours coloursFor(const std::string& name) {
    const auto has = [&](const char* part) { return name.find(part) != std::string::npos; };
    if (has("exit") || has("leave")) {
        return {QColor("#ff7a7a"), QColor("#d63a3a")};
    }
    if (has("listen")) {
        return {QColor("#6cc3ff"), QColor("#1f7fd1")};
    }
    if (has("next")) {
        return {QColor("#b48cff"), QColor("#7646d8")};
    }
    if (has("answer")) {
        return {QColor("#ffcf5c"), QColor("#e79a0c")};
    }
    if (has("confirm") || has("ok")) {
        return {QColor("#7fdc6a"), QColor("#3a9d2b")};
    }
    return {QColor("#ffad4a"), QColor("#f0700d")};
}

} // namespace

QImage listenIcon() {
    QImage image = kit::blankImage(40, 40, Qt::white);
    QPainter painter(&image);
    listenBadge(painter, QRectF(0, 0, 40, 40));
    return image;
}

QImage tickMark() {
    QImage image = kit::blankImage(20, 20, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    QPainterPath check;
    check.moveTo(3.5, 10.5);
    check.lineTo(8, 15);
    check.lineTo(16.5, 4.5);
    stroke(painter, check, QColor("#1f9e3a"), 3.4);
    return image;
}

QImage crossMark() {
    QImage image = kit::blankImage(20, 20, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    QPainterPath cross;
    cross.moveTo(4.5, 4.5);
    cross.lineTo(15.5, 15.5);
    cross.moveTo(15.5, 4.5);
    cross.lineTo(4.5, 15.5);
    stroke(painter, cross, QColor("#e02424"), 3.4);
    return image;
}

QImage tileFace(bool english) {
    // Drawn on pure white: the game treats white as transparent.
    QImage image = kit::blankImage(80, 70, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    const QColor light = english ? QColor("#d4f5b8") : QColor("#ffe6c2");
    const QColor deep = english ? QColor("#a6e07c") : QColor("#ffc47e");
    const QColor edge = english ? QColor("#4f9e2f") : QColor("#dd8226");
    const QRectF box(2.5, 2.5, 75, 65);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, light);
    fill.setColorAt(1, deep);
    painter.setPen(QPen(edge, 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 12, 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawRoundedRect(QRectF(9, 6, 62, 12), 6, 6);
    return image;
}

QImage flower() {
    QImage image = kit::blankImage(107, 108, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    kit::drawEmoji(painter, "🌼", QRectF(3, 3, 101, 102));
    return image;
}

std::vector<QImage> loadingFrames() {
    constexpr int kFrames = 8;
    std::vector<QImage> frames;
    for (int frame = 0; frame < kFrames; ++frame) {
        QImage image = kit::blankImage(32, 32, Qt::white);
        QPainter painter(&image);
        kit::prepare(painter);
        painter.setPen(Qt::NoPen);
        for (int dot = 0; dot < kFrames; ++dot) {
            // The lit dot runs clockwise; the ones behind it fade out.
            const int age = (frame - dot + kFrames) % kFrames;
            const qreal angle = 2 * std::numbers::pi * dot / kFrames - std::numbers::pi / 2;
            const QPointF centre(16 + 11 * std::cos(angle), 16 + 11 * std::sin(angle));
            const qreal radius = 3.4 - 0.22 * age;
            painter.setBrush(kit::mix(QColor("#ff4f9a"), QColor("#cfe6ff"), age / 7.0));
            painter.drawEllipse(centre, radius, radius);
        }
        frames.push_back(image);
    }
    return frames;
}

QImage buttonFace(const ButtonFace& face) {
    QImage image = kit::blankImage(face.width, face.height, Qt::white);
    QPainter painter(&image);
    kit::prepare(painter);
    const ButtonColours colours = coloursFor(face.name);
    const QRectF box(0.5, 0.5, face.width - 1.0, face.height - 1.0);
    const qreal radius = std::min(9.0, face.height * 0.25);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, colours.top);
    fill.setColorAt(1, colours.bottom);
    painter.setPen(QPen(colours.bottom.darker(125), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRoundedRect(QRectF(3, 2.5, face.width - 6.0, face.height * 0.38), radius * 0.7,
                            radius * 0.7);
    const QString label = kit::qs(face.label);
    const QRectF text = box.adjusted(4, 5, -4, -5);
    const kit::FittedText fitted = kit::fitText({label, text, 10, 20, false, true, true});
    kit::drawFitted(painter, fitted, text.translated(0.8, 1), QColor(0, 0, 0, 90),
                    kit::Align::Centre);
    kit::drawFitted(painter, fitted, text, Qt::white, kit::Align::Centre);
    return image;
}

} // namespace bookmaker::draw
