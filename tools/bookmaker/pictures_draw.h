// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing of each kind of picture, without files or caching.

#include "book_source.h"
#include "pictures.h"

#include <QImage>
#include <string>
#include <vector>

class QPainter;
class QRectF;

namespace bookmaker::draw {

using Warnings = std::vector<std::string>;

// Spreads are drawn at 3 pixels per page-box pixel.
constexpr int kSpreadScale = 3;
constexpr int kBoxWidth = 800;
constexpr int kBoxHeight = 540;

// Page 70: the height of a unit's name above its first word, and of the
// meaning under a word (room for the smallest readable type).
constexpr int kWordListHeading = 17;
constexpr int kWordListMeaning = 12;
// Every word of every unit where it is printed, in unit order down the
// columns; a word without a clip is printed too, and has no hotspot.
std::vector<WordListEntry> wordListPrint(const BookSource& book);
// The hotspots: the printed words that have a clip, in the order they play.
std::vector<WordListEntry> wordListLayout(const BookSource& book);

// A text to print, with the size it fits at (0: it has none) and its group:
// texts of one kind in boxes of one size.
struct SizedText {
    int kind = 0;
    int width = 0;
    int height = 0;
    qreal size = 0;
};
// The size each text prints at: the smallest of its group (0 stays 0).
std::vector<qreal> sharedSizes(const std::vector<SizedText>& texts);

QImage lessonSpread(const Spread& spread, const std::vector<AnswerBox>& boxes, Warnings& warnings);
QImage wordListSpread(const BookSource& book, Warnings& warnings);
// Page 74: the room under a phrase's chip for its Chinese.
constexpr int kClassroomMeaning = 12;
constexpr int kClassroomMeaningWidth = 150;
QImage classroomSpread(const BookSource& book, Warnings& warnings);

// The pink music-note badge of the listening exercises, filling the box.
void listenBadge(QPainter& painter, const QRectF& box);

QImage startBackground();
QImage cover();
std::vector<QImage> loadingFrames();
QImage listenIcon();
QImage tickMark();
QImage crossMark();
QImage drillBackground();
QImage orderingBackground();
QImage matchingBackground();
QImage findingBackground();
QImage tileFace(bool english);
QImage flower();
QImage buttonFace(const ButtonFace& face);

} // namespace bookmaker::draw
