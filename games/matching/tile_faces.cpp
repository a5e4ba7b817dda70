// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_faces.h"

#include <vector>

namespace matching {

namespace {

// JPEG noise takes white down to about 230 in a channel; the faces' light
// fills stay below 200 in one.
constexpr int kNearWhite = 200;

bool nearWhite(QRgb pixel) {
    return qRed(pixel) >= kNearWhite && qGreen(pixel) >= kNearWhite && qBlue(pixel) >= kNearWhite;
}

} // namespace

QImage withWhiteMargin(const QImage& face) {
    QImage image = face.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    std::vector<bool> seen(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::vector<QPoint> reached;
    const auto reach = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return;
        }
        const auto at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                        static_cast<std::size_t>(x);
        QRgb& pixel = reinterpret_cast<QRgb*>(image.scanLine(y))[x];
        if (!seen[at] && nearWhite(pixel)) {
            seen[at] = true;
            pixel = qRgb(255, 255, 255);
            reached.emplace_back(x, y);
        }
    };
    for (int x = 0; x < width; ++x) {
        reach(x, 0);
        reach(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        reach(0, y);
        reach(width - 1, y);
    }
    while (!reached.empty()) {
        const QPoint p = reached.back();
        reached.pop_back();
        reach(p.x() + 1, p.y());
        reach(p.x() - 1, p.y());
        reach(p.x(), p.y() + 1);
        reach(p.x(), p.y() - 1);
    }
    return image;
}

} // namespace matching
