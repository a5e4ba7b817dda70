// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A matching window on the test ground, and the child's ways of playing it:
// clicks and moves delivered as the desktop delivers them, to whatever unit
// lies under the pointer.

#include "catalogue.h"
#include "draw_panel.h"
#include "games/matching/matching_names.h"
#include "games/matching/matching_window.h"
#include "lists.h"
#include "support/ground.h"
#include "window.h"

#include <QImage>
#include <QPoint>
#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace matching_tests {

using matching::kCells;

// The green word face's and the orange meaning face's colour, told apart
// at a point of the tile below its text.
enum class Face { None, Word, Meaning };

class MatchingTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override {
        content::loadBook();
        background = tk::LoadPicture(content::picture(content::PictureRole::MatchingBackground))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    void open() { window = tk::CreateWindow(matching::matchingWindow(game)); }

    tk::UnitRef unit(const char* name) const { return window->unit(name); }
    const QImage& canvas() const {
        return qobject_cast<tk::DrawPanel*>(unit(matching::kBoard).widget())->canvas();
    }
    int barPosition() const { return unit(matching::kTimeBar).position(); }
    int interval() const { return unit(matching::kTimer).interval(); }

    static QPoint centreOf(int cell) {
        const tk::Rect r = matching::cellRect(cell);
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    void clickAt(QPoint at) const { testing_ground::clickAt(*window, at); }
    void clickCell(int cell) const { clickAt(centreOf(cell)); }
    void moveTo(QPoint at) const { testing_ground::moveAt(*window, at); }
    void hoverCell(int cell) const { moveTo(centreOf(cell)); }
    void chooseLesson(int unitNumber) const {
        testing_ground::pick(unit(matching::kLessonList), unitNumber - 1);
    }
    void chooseDifficulty(int index) const {
        testing_ground::pick(unit(matching::kDifficultyList), index);
    }

    int tileOf(int cell) const { return game->cells[static_cast<std::size_t>(cell - 1)].tile; }
    bool removed(int cell) const {
        return std::find(game->removed.begin(), game->removed.end(), cell) != game->removed.end();
    }
    bool holdsTile(int cell) const { return tileOf(cell) != 0 && !removed(cell); }
    bool pairs(int cell, int other) const {
        return matching::isPair(tileOf(cell), tileOf(other), game->dealtWords);
    }
    // The first cell still holding a tile that passes the test; 0: none.
    template <typename Test> int firstCell(Test test) const {
        for (int cell = 1; cell <= kCells; ++cell) {
            if (holdsTile(cell) && test(cell)) {
                return cell;
            }
        }
        return 0;
    }
    // A tile that neither is the cell's nor pairs with it.
    int strangerTo(int cell) const {
        return firstCell(
            [&](int other) { return tileOf(other) != tileOf(cell) && !pairs(cell, other); });
    }
    // The cells still holding tile t, in board order.
    std::vector<int> cellsOf(int tile) const {
        std::vector<int> found;
        for (int cell = 1; cell <= kCells; ++cell) {
            if (tileOf(cell) == tile && !removed(cell)) {
                found.push_back(cell);
            }
        }
        return found;
    }
    // A cell that pairs with the cell's tile, 0 when none is left.
    int partnerOf(int cell) const {
        const int tile = tileOf(cell);
        const int n = game->dealtWords;
        const std::vector<int> partners = cellsOf(tile > n ? tile - n : tile + n);
        return partners.empty() ? 0 : partners.front();
    }
    // Pairs every tile left but the last pair; returns that pair.
    std::pair<int, int> pairAllButOne() const {
        for (int cell = 1; cell <= kCells; ++cell) {
            if (tileOf(cell) == 0 || removed(cell)) {
                continue;
            }
            const int partner = partnerOf(cell);
            if (game->removed.size() + 2 == kCells) {
                return {cell, partner};
            }
            clickCell(cell);
            clickCell(partner);
        }
        return {0, 0};
    }
    // What the board shows, cell by cell, ignoring where.
    std::multiset<tk::Text> textsShown() const {
        std::multiset<tk::Text> texts;
        for (const matching::Cell& cell : game->cells) {
            texts.insert(cell.text);
        }
        return texts;
    }
    // The tile texts a board of these words shows: every word and every
    // meaning, without its notes, on 48 / (2 n) tiles.
    static std::multiset<tk::Text> textsOf(const matching::BoardWords& words) {
        std::multiset<tk::Text> texts;
        const std::size_t copies = words.words.size() == 6 ? 4 : 2;
        for (std::size_t k = 0; k < words.words.size(); ++k) {
            for (std::size_t c = 0; c < copies; ++c) {
                texts.insert(words.words[k]);
                texts.insert(withoutNotes(words.meanings[k]));
            }
        }
        return texts;
    }
    std::vector<int> arrangement() const {
        std::vector<int> tiles;
        for (const matching::Cell& cell : game->cells) {
            tiles.push_back(cell.tile);
        }
        return tiles;
    }

    QRgb pixel(int x, int y) const { return canvas().pixel(x, y); }
    // Every pixel of the area is the background picture's.
    bool showsBackground(tk::Rect r) const {
        for (int y = r.top; y < r.top + r.height; ++y) {
            for (int x = r.left; x < r.left + r.width; ++x) {
                if (pixel(x, y) != background.pixel(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
    // The points of the cell's frame: its four lines, corners included.
    static std::vector<QPoint> framePoints(int cell) {
        const tk::Rect r = matching::cellRect(cell);
        std::vector<QPoint> points;
        for (int d = 0; d <= r.width; ++d) {
            points.emplace_back(r.left + d, r.top);
            points.emplace_back(r.left + d, r.top + r.height);
        }
        for (int d = 0; d <= r.height; ++d) {
            points.emplace_back(r.left, r.top + d);
            points.emplace_back(r.left + r.width, r.top + d);
        }
        return points;
    }
    bool framedIn(int cell, QRgb colour) const {
        const std::vector<QPoint> points = framePoints(cell);
        return std::all_of(points.begin(), points.end(),
                           [&](QPoint p) { return pixel(p.x(), p.y()) == colour; });
    }
    // No pixel of the cell's frame lines is red or blue, but where they are
    // the lines of a neighbour that may wear a frame: the hovered or the
    // selected cell.
    bool unframed(int cell) const {
        std::vector<QPoint> shared;
        for (const int other : {game->hoveredCell, game->selectedCell}) {
            if (other != 0 && other != cell) {
                const std::vector<QPoint> points = framePoints(other);
                shared.insert(shared.end(), points.begin(), points.end());
            }
        }
        const std::vector<QPoint> points = framePoints(cell);
        return std::none_of(points.begin(), points.end(), [&](QPoint p) {
            const QRgb colour = pixel(p.x(), p.y());
            return (colour == kRed || colour == kBlue) &&
                   std::find(shared.begin(), shared.end(), p) == shared.end();
        });
    }
    // The cell inside its frame lines, which it shares with its neighbours.
    bool cellShowsBackground(int cell) const {
        const tk::Rect r = matching::cellRect(cell);
        return showsBackground({r.left + 1, r.top + 1, r.width - 2, r.height - 2});
    }
    // The tile's face: most of its pixels are green or orange.
    Face faceAt(int cell) const {
        const tk::Rect r = matching::cellRect(cell);
        int green = 0;
        int orange = 0;
        for (int y = r.top; y < r.top + r.height; ++y) {
            for (int x = r.left; x < r.left + r.width; ++x) {
                const QColor c = QColor::fromRgb(pixel(x, y));
                green += c.green() > c.red() + 30 && c.green() > c.blue() + 30;
                orange += c.red() > c.green() + 30 && c.green() > c.blue() + 30;
            }
        }
        const int most = r.width * r.height / 2;
        return green > most ? Face::Word : orange > most ? Face::Meaning : Face::None;
    }

    tk::Clip effect(content::Effect e) const { return content::effect(e); }
    tk::Clip lastPlayed() const { return ground.sound.lastPlayed(); }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& message : ground.platform.messages) {
            texts.push_back(message.content);
        }
        return texts;
    }
    // The music started with the window and plays on: nothing stopped it.
    bool musicPlaysOn() const {
        const auto& playing = ground.sound.playing();
        return ground.sound.stops() == 0 && !playing.empty() &&
               playing.front() == testing_ground::RecordingSound::Call{
                                      testing_ground::RecordingSound::Call::What::Play,
                                      content::effect(content::Effect::Music), true};
    }

    static constexpr QRgb kRed = 0xFFFF0000;
    static constexpr QRgb kBlue = 0xFF0000FF;
    static constexpr const char* kWon = "你太棒了！冲关成功！可以挑战更高级别哦！";
    static constexpr const char* kLost = "很遗憾时间到！冲关失败！继续努力哦！";

    std::shared_ptr<matching::MatchingGame> game = std::make_shared<matching::MatchingGame>();
    std::unique_ptr<tk::Window> window;
    QImage background;
};

// A unit's words and meanings as the book deals them.
inline matching::BoardWords unitWords(int unit) {
    const DealtLists dealt = dealLines(content::wordList(unit));
    return {dealt.english, dealt.chinese};
}

} // namespace matching_tests
