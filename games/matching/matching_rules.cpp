// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching_rules.h"

#include <algorithm>
#include <cstdlib>

namespace matching {

using tk::operator""_gbk;

namespace {

constexpr int kBoardLeft = 89;
constexpr int kBoardTop = 80;
constexpr int kBoardBottom = 494;
constexpr int kHoverRight = 721;
constexpr int kClickRight = 711;

constexpr int kChunk = 8;      // bytes: 4 Chinese characters or 8 letters
constexpr int kChunkLeft = 4;  // from the cell's left edge
constexpr int kOneLine = 58;   // widest text on one centred line
constexpr int kTwoLines = 116; // widest on two
constexpr int kThreeLines = 172;

// Takes item r of the pool (any draw lands inside it).
int takeFrom(std::vector<int>& pool, int r) {
    const int at = std::clamp(r, 0, static_cast<int>(pool.size()) - 1);
    const int taken = pool[static_cast<std::size_t>(at)];
    pool.erase(pool.begin() + at);
    return taken;
}

std::vector<int> numbersBelow(int count) {
    std::vector<int> numbers;
    for (int k = 0; k < count; ++k) {
        numbers.push_back(k);
    }
    return numbers;
}

} // namespace

tk::Rect cellRect(int cell) {
    if (cell < 1 || cell > kCells) {
        return {};
    }
    const int column = (cell - 1) % kColumns + 1;
    const int row = (cell - 1) / kColumns + 1;
    return {kCellWidth * column + 10, kCellHeight * (row - 1) + kBoardTop, kCellWidth, kCellHeight};
}

int cellUnder(int x, int y, Area area) {
    const int right = area == Area::Hover ? kHoverRight : kClickRight;
    if (x <= kBoardLeft || x >= right || y <= kBoardTop || y >= kBoardBottom) {
        return 0;
    }
    return (y - kBoardTop) / kCellHeight * kColumns + (x - 10) / kCellWidth;
}

std::vector<TileLine> tileLines(const tk::Text& text, int width) {
    if (text.empty()) {
        return {};
    }
    if (width <= kOneLine) {
        return {{(kCellWidth - width) / 2, 30, text}};
    }
    const int lines = width <= kTwoLines ? 2 : width <= kThreeLines ? 3 : 4;
    // Two lines sit low on the tile, three and four start near its top; text
    // beyond the fourth line (byte 32) is not shown.
    const int top = lines == 2 ? 30 : 10;
    std::vector<TileLine> placed;
    for (int k = 0; k < lines; ++k) {
        tk::Text chunk = tk::MidText(text, k * kChunk + 1, kChunk);
        if (!chunk.empty()) {
            placed.push_back({kChunkLeft, top + 20 * k, std::move(chunk)});
        }
    }
    return placed;
}

bool isMeaning(std::string_view tileText) {
    return !tileText.empty() && static_cast<unsigned char>(tileText.front()) >= 0x80;
}

BoardWords chooseBoardWords(const tk::TextArray& unitWords, const tk::TextArray& unitMeanings,
                            const BoardWords& current, const Draw& draw) {
    const int u = static_cast<int>(std::min(unitWords.size(), unitMeanings.size()));
    if (u < kHalfBoardWords) {
        return current;
    }
    const int n = u >= kFullBoardWords ? kFullBoardWords : kHalfBoardWords;
    std::vector<int> pool = numbersBelow(u);
    BoardWords chosen;
    for (int k = 0; k < n; ++k) {
        // All of them come in list order: there is nothing to draw.
        const int r = u == n ? 0 : draw(0, static_cast<int>(pool.size()) - 1);
        const auto taken = static_cast<std::size_t>(takeFrom(pool, r));
        chosen.words.push_back(unitWords[taken]);
        chosen.meanings.push_back(unitMeanings[taken]);
    }
    return chosen;
}

std::array<int, kCells> dealTiles(int n, const Draw& draw) {
    const int copies = n == kHalfBoardWords ? 4 : 2;
    std::vector<int> pool;
    for (int k = 1; k <= n; ++k) {
        pool.insert(pool.end(), static_cast<std::size_t>(copies), k);
        pool.insert(pool.end(), static_cast<std::size_t>(copies), n + k);
    }
    std::array<int, kCells> tiles{};
    for (int& tile : tiles) {
        if (pool.empty()) {
            break;
        }
        tile = takeFrom(pool, draw(0, static_cast<int>(pool.size()) - 1));
    }
    return tiles;
}

bool isPair(int tile, int otherTile, int n) {
    return n > 0 && tile > 0 && otherTile > 0 && std::abs(tile - otherTile) == n;
}

int stepInterval(int difficulty) {
    switch (difficulty) {
    case 2:
        return 500;
    case 3:
        return 250;
    default:
        return 750;
    }
}

tk::Text endMessage(BoardEnd end) {
    return end == BoardEnd::Won ? "你太棒了！冲关成功！可以挑战更高级别哦！"_gbk
                                : "很遗憾时间到！冲关失败！继续努力哦！"_gbk;
}

} // namespace matching
