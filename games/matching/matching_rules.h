// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The matching game's rules, apart from its widgets: the board's cells, the
// words a board is dealt from, the tiles and their text, pairs, the time bar
// and the messages at the end of a board. Texts are GBK.

#include "rect.h"
#include "text.h"

#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace matching {

constexpr int kColumns = 8;
constexpr int kCells = 48; // 8 x 6, numbered row by row from 1
constexpr int kCellWidth = 79;
constexpr int kCellHeight = 69;
constexpr int kTimeSteps = 120; // the time bar's full length
constexpr int kFullBoardWords = 12;
constexpr int kHalfBoardWords = 6;

// The rectangle of cell 1-48; an empty one for any other number.
tk::Rect cellRect(int cell);

// A pointer counts for the hover frame over the whole board; clicks leave
// out the last 10 pixels of the last column.
enum class Area { Hover, Click };
// The cell under a point of the board, or 0 where the area does not count.
int cellUnder(int x, int y, Area area);

// A line of tile text, placed from the cell's top-left corner.
struct TileLine {
    int x = 0;
    int y = 0;
    tk::Text text;
    friend bool operator==(const TileLine&, const TileLine&) = default;
};
// The lines of a tile whose text is width pixels wide: short texts centred
// on one line, longer ones cut into 8-byte lines, up to four. A width on a
// boundary (58, 116, 172) takes the layout with fewer lines.
std::vector<TileLine> tileLines(const tk::Text& text, int width);

// Meanings go on orange tiles, words on green ones.
bool isMeaning(std::string_view tileText);

using Draw = std::function<int(int min, int max)>; // min..max inclusive

struct BoardWords {
    tk::TextArray words;
    tk::TextArray meanings; // meaning k belongs to word k
};
// The words of the next board from a unit's words: all of 12 or 6 in list
// order, 12 or 6 drawn without repetition from more, in the order drawn;
// from fewer than 6 none, and the current ones stay. Only words with a
// meaning count.
BoardWords chooseBoardWords(const tk::TextArray& unitWords, const tk::TextArray& unitMeanings,
                            const BoardWords& current, const Draw& draw);

// The tile number of each cell for a board of n words: k for a tile of word
// k, n + k for one of its meaning, 0 for a cell without a tile. Each word
// and each meaning is on 2 tiles, or on 4 when n is 6; a board of no words
// has no tiles.
std::array<int, kCells> dealTiles(int n, const Draw& draw);
// A word tile and a tile of its own meaning.
bool isPair(int tile, int otherTile, int n);

// The time bar's step, in ms, for the difficulty's item data (1-3); the
// beginner's for anything else.
int stepInterval(int difficulty);

enum class BoardEnd { Won, Lost };
tk::Text endMessage(BoardEnd end);

} // namespace matching
