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

// Page 70: the height of a unit's name above its first word.
constexpr int kWordListHeading = 20;
std::vector<WordListEntry> wordListLayout(const BookSource& book);

QImage lessonSpread(const Spread& spread, const std::vector<AnswerBox>& boxes, Warnings& warnings);
QImage wordListSpread(const BookSource& book, const std::vector<WordListEntry>& entries,
                      Warnings& warnings);
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
