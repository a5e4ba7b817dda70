// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawn pictures that stand where an emoji would: "draw:desk", "draw:box",
// a thing in a box or a bag ("draw:box in ⚽", "draw:bag in 🗺️"), on a box
// or a desk ("draw:desk on 🧢"), under a box, a desk or a chair
// ("draw:chair under 🚗"), "draw:new 🎒" (a thing with sparkles) and
// "draw:pupil" (a child with a school bag). And the backdrops of story
// scenes.

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <string>

namespace bookmaker::things {

inline constexpr const char* kPrefix = "draw:";

bool isThing(const std::string& emoji);

// The drawn picture, cropped to its ink; a thing in, on or under another
// keeps its whole transparent square of 240 pixels, so that a layout can
// place hotspots over its parts (a boat in a box: the boat in the top half,
// the box below). A null image when the name names no thing. Thread-safe
// and cached.
QImage thingImage(const std::string& emoji);

// Backdrops: "classroom", "home", "zoo", "park".
bool isBackdrop(const std::string& place);

// Fills the rounded box with the place's wall or sky and its floor or grass.
void drawBackdrop(QPainter& painter, const QRectF& box, qreal radius, const std::string& place);

} // namespace bookmaker::things
