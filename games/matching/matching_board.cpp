// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching_board.h"

#include "draw_panel.h"
#include "lists.h"
#include "matching_names.h"
#include "platform.h"
#include "random.h"
#include "sound.h"
#include "tile_faces.h"
#include "window.h"

#include <algorithm>

namespace matching {

using tk::operator""_gbk;

namespace {

constexpr int kHoverColour = tk::Rgb(255, 0, 0);
constexpr int kSelectedColour = tk::Rgb(0, 0, 255);
constexpr int kTransparent = tk::Rgb(255, 255, 255);
constexpr tk::Rect kDealtArea = {70, 60, 640, 480};

int randomDraw(int min, int max) {
    return tk::RandomInt(min, max);
}

int chosenData(tk::Window& window, const char* list) {
    const tk::UnitRef combo = window.unit(list);
    return tk::ItemData(combo, combo.currentIndex());
}

tk::DrawPanel* boardOf(tk::Window& window) {
    return qobject_cast<tk::DrawPanel*>(window.unit(kBoard).widget());
}

void play(content::Effect effect) {
    tk::PlayClip(content::effect(effect));
}

const Cell* cellAt(const MatchingGame& game, int cell) {
    return cell >= 1 && cell <= kCells ? &game.cells[static_cast<std::size_t>(cell - 1)] : nullptr;
}

// A cell that still holds a tile: dealt one and not yet paired.
bool holdsTile(const MatchingGame& game, int cell) {
    const Cell* found = cellAt(game, cell);
    return found && found->tile != 0 &&
           std::find(game.removed.begin(), game.removed.end(), cell) == game.removed.end();
}

bool boardCleared(const MatchingGame& game) {
    for (int cell = 1; cell <= kCells; ++cell) {
        if (holdsTile(game, cell)) {
            return false;
        }
    }
    return true;
}

void frame(tk::DrawPanel& board, int cell, int colour) {
    const tk::Rect r = cellRect(cell);
    const int x0 = r.left;
    const int y0 = r.top;
    board.setPen(colour, 1);
    board.drawLine(x0, y0, x0 + kCellWidth, y0);
    board.drawLine(x0, y0 + kCellHeight, x0 + kCellWidth, y0 + kCellHeight);
    board.drawLine(x0, y0, x0, y0 + kCellHeight);
    board.drawLine(x0 + kCellWidth, y0, x0 + kCellWidth, y0 + kCellHeight);
}

// The background comes back in strips 2 pixels thick over the frame's
// lines. The top and bottom strips run 2 pixels further than the cell is
// wide, to the right line's end: the bottom-right corner keeps no dot.
void unframe(tk::DrawPanel& board, int cell) {
    if (cell == 0) {
        return;
    }
    const tk::Rect r = cellRect(cell);
    const int x0 = r.left;
    const int y0 = r.top;
    board.clear(x0 - 1, y0, 2, kCellHeight);
    board.clear(x0 + kCellWidth - 1, y0, 2, kCellHeight);
    board.clear(x0 - 1, y0, kCellWidth + 2, 2);
    board.clear(x0 - 1, y0 + kCellHeight, kCellWidth + 2, 2);
}

void clearCell(tk::DrawPanel& board, int cell) {
    const tk::Rect r = cellRect(cell);
    board.clear(r.left, r.top, r.width, r.height);
}

void drawTile(tk::DrawPanel& board, const MatchingGame& game, int cell, const tk::Text& text) {
    const tk::Rect r = cellRect(cell);
    board.drawPicture(isMeaning(text) ? game.meaningFace : game.wordFace, r.left, r.top, r.width,
                      r.height, -kTransparent);
    for (const TileLine& line : tileLines(text, board.textWidth(text))) {
        board.writeAt(r.left + line.x, r.top + line.y, line.text);
    }
}

tk::Text tileText(const BoardWords& words, int tile) {
    const int n = static_cast<int>(words.words.size());
    const tk::TextArray& texts = tile <= n ? words.words : words.meanings;
    const int k = tile <= n ? tile : tile - n;
    return k >= 1 && k <= static_cast<int>(texts.size())
               ? withoutNotes(texts[static_cast<std::size_t>(k - 1)])
               : tk::Text();
}

void setStep(tk::Window& window) {
    window.unit(kTimer).setInterval(stepInterval(chosenData(window, kDifficultyList)));
}

void fillTimeBar(tk::Window& window) {
    window.unit(kTimeBar).setPosition(kTimeSteps);
}

void chooseWords(tk::Window& window, MatchingGame& game) {
    const int unit = chosenData(window, kLessonList);
    dealLines(game.wordList ? game.wordList(unit) : std::string_view(), game.unitWords,
              game.unitMeanings);
    game.board = chooseBoardWords(game.unitWords, game.unitMeanings, game.board, randomDraw);
    game.removed.clear();
}

// A board of no words has no tiles: its cells take clicks as empty ones.
void deal(tk::Window& window, MatchingGame& game) {
    tk::DrawPanel* board = boardOf(window);
    if (!board) {
        return;
    }
    // The frames go with the old board (the dealt area stops short of the
    // last column's right edge); on the new one nothing is selected or
    // hovered yet.
    unframe(*board, game.hoveredCell);
    unframe(*board, game.selectedCell);
    game.hoveredCell = 0;
    game.selectedTile = 0;
    game.selectedCell = 0;
    game.removed.clear();
    board->clear(kDealtArea.left, kDealtArea.top, kDealtArea.width, kDealtArea.height);
    const int n = static_cast<int>(game.board.words.size());
    tk::SeedRandom();
    const std::array<int, kCells> tiles = dealTiles(n, randomDraw);
    for (int cell = 1; cell <= kCells; ++cell) {
        const int tile = tiles[static_cast<std::size_t>(cell - 1)];
        Cell& dealt = game.cells[static_cast<std::size_t>(cell - 1)];
        dealt = {tile, tile == 0 ? tk::Text() : tileText(game.board, tile)};
        if (tile != 0) {
            drawTile(*board, game, cell, dealt.text);
        }
    }
    game.dealtWords = n;
}

void newGame(tk::Window& window, MatchingGame& game) {
    fillTimeBar(window);
    chooseWords(window, game);
    deal(window, game);
    setStep(window);
}

void forgetSelection(MatchingGame& game) {
    game.selectedTile = 0;
    game.selectedCell = 0;
}

void pairMade(tk::Window& window, MatchingGame& game, tk::DrawPanel& board, int cell) {
    game.removed.push_back(game.selectedCell);
    game.removed.push_back(cell);
    play(content::Effect::MatchPair);
    for (const int paired : {game.selectedCell, cell}) {
        clearCell(board, paired);
        unframe(board, paired);
    }
    forgetSelection(game);
    if (boardCleared(game)) {
        // The time bar waits while the child reads the message.
        window.unit(kTimer).setInterval(0);
        tk::ShowMessage(endMessage(BoardEnd::Won));
        newGame(window, game);
    }
}

} // namespace

void opened(tk::Window& window, MatchingGame& game) {
    setStep(window);
    window.unit(kLessonList).setCurrentIndex(0);
    window.unit(kDifficultyList).setCurrentIndex(0);
    if (window.unit(kMusicBox).checked()) {
        tk::PlayClip(content::effect(content::Effect::Music), true);
    }
    game.wordFace =
        withWhiteMargin(tk::LoadPicture(content::picture(content::PictureRole::TileFace1)));
    game.meaningFace =
        withWhiteMargin(tk::LoadPicture(content::picture(content::PictureRole::TileFace2)));
    chooseWords(window, game);
    deal(window, game);
}

void boardPressed(tk::Window& window, MatchingGame& game, int x, int y) {
    tk::DrawPanel* board = boardOf(window);
    const int cell = cellUnder(x, y, Area::Click);
    if (!board || !holdsTile(game, cell)) {
        play(content::Effect::MatchEmpty);
        return;
    }
    const int tile = cellAt(game, cell)->tile;
    if (game.selectedTile == 0) {
        game.selectedTile = tile;
        game.selectedCell = cell;
        play(content::Effect::MatchSelect);
        frame(*board, cell, kSelectedColour);
        return;
    }
    if (isPair(tile, game.selectedTile, game.dealtWords)) {
        pairMade(window, game, *board, cell);
        return;
    }
    play(content::Effect::MatchNotPair);
    unframe(*board, game.selectedCell);
    unframe(*board, cell);
    forgetSelection(game);
}

void boardHovered(tk::Window& window, MatchingGame& game, int x, int y) {
    tk::DrawPanel* board = boardOf(window);
    const int cell = cellUnder(x, y, Area::Hover);
    if (!board || !holdsTile(game, cell)) {
        return;
    }
    if (game.hoveredCell == 0) {
        frame(*board, cell, kHoverColour);
        game.hoveredCell = cell;
    } else if (cell != game.hoveredCell && game.selectedTile == 0) {
        unframe(*board, game.hoveredCell);
        frame(*board, cell, kHoverColour);
        game.hoveredCell = cell;
    }
}

void timeTicked(tk::Window& window, MatchingGame& game) {
    tk::UnitRef bar = window.unit(kTimeBar);
    bar.setPosition(bar.position() - 1);
    if (bar.position() > 0) {
        return;
    }
    window.unit(kTimer).setInterval(0);
    tk::ShowMessage(endMessage(BoardEnd::Lost));
    fillTimeBar(window);
    setStep(window);
    // The lost words come again; those drawn now are for the board after.
    deal(window, game);
    chooseWords(window, game);
}

void difficultyChanged(tk::Window& window, MatchingGame& game) {
    newGame(window, game);
}

void lessonChanged(tk::Window& window, MatchingGame& game) {
    fillTimeBar(window);
    setStep(window);
    chooseWords(window, game);
    deal(window, game);
}

void musicSwitched(tk::Window& window) {
    tk::UnitRef box = window.unit(kMusicBox);
    if (box.checked()) {
        tk::PlayClip(content::effect(content::Effect::Music), true);
        box.setCaption("背景音乐关"_gbk);
    } else {
        tk::StopSound();
        box.setCaption("背景音乐开"_gbk);
    }
}

} // namespace matching
