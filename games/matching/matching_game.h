// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one matching window keeps while it is open: the unit's words, the
// words of the board, what each cell holds, and the tile being paired.

#include "catalogue.h"
#include "matching_rules.h"

#include <QImage>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace matching {

struct Cell {
    int tile = 0;  // 0: no tile was dealt here
    tk::Text text; // as written on the tile
};

struct MatchingGame {
    // The word list of a unit 1-6: the book's, unless another is handed in.
    std::function<std::string_view(int unit)> wordList = content::wordList;
    tk::TextArray unitWords;
    tk::TextArray unitMeanings;
    BoardWords board;   // the words the next deal is made from
    int dealtWords = 0; // words of the board on show: a pair's tile numbers lie this far apart
    std::array<Cell, kCells> cells; // cell k at k - 1
    std::vector<int> removed;       // paired cells, in the order they went
    int selectedTile = 0;           // the first tile of a pair being made, 0: none
    int selectedCell = 0;
    int hoveredCell = 0; // the cell in the hover frame, 0: none
    QImage wordFace;
    QImage meaningFace;
};

} // namespace matching
