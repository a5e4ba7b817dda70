// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tile faces as the board draws them, white left out.

#include <QImage>

namespace matching {

// A JPEG face's white margin comes back a little off white, so drawing it
// with white left out would leave it all in. The near-white pixels that
// reach the picture's edge are made white again; near-white inside the
// tile's outline (its highlight) stays as it is.
QImage withWhiteMargin(const QImage& face);

} // namespace matching
