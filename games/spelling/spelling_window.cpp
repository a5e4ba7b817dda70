// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling_window.h"

#include "spelling_game.h"
#include "spelling_logic.h"
#include "spelling_names.h"
#include "unit_widgets.h"
#include "window.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <memory>
#include <string>

namespace spelling {

namespace {

using tk::Event;
using tk::Kind;

constexpr int kBlack = tk::Rgb(0, 0, 0);
constexpr int kWhite = tk::Rgb(255, 255, 255);
constexpr int kGreen = tk::Rgb(0, 255, 0);
constexpr int kMeaningBlue = tk::Rgb(0, 96, 192);
constexpr const char* kSimHei = "黑体";
constexpr const char* kSimSun = "宋体";
constexpr const char* kKaiTi = "楷体_GB2312";

// The cells' left edges, left to right: 透明标签_字母15 first.
constexpr std::array<int, kCells> kCellLefts = {33,  82,  131, 180, 229, 278, 327, 376,
                                                425, 474, 523, 572, 621, 670, 721};

tk::UnitDef unit(const char* name, Kind kind, tk::Rect rect) {
    return tk::unitDef(name, kind, rect, kBackground);
}

tk::UnitDef text(tk::UnitDef def, const char* face, int size, int colour) {
    def.font.face = face;
    def.font.size = size;
    def.textColor = colour;
    return def;
}

tk::UnitDef captioned(tk::UnitDef def, const char* caption) {
    def.caption = caption;
    return def;
}

tk::UnitDef hidden(tk::UnitDef def) {
    def.visible = false;
    return def;
}

// The switches and the unit list: white on green.
tk::UnitDef onGreen(tk::UnitDef def) {
    def = text(std::move(def), kKaiTi, 15, kWhite);
    def.backgroundColor = kGreen;
    return def;
}

tk::UnitDef ticked(tk::UnitDef def, const char* caption) {
    def = onGreen(captioned(std::move(def), caption));
    def.checked = true;
    return def;
}

tk::UnitDef button(const char* name, tk::Rect rect, const char* caption) {
    tk::UnitDef def = unit(name, Kind::SuperBtn, rect);
    def.caption = caption;
    def.hint = caption;
    def.font.face = kKaiTi;
    def.font.size = 14;
    return def;
}

// The cells stand on a 40-pixel band from 192 down: a line of the designed
// face is that tall at 30 points. The faces here have taller lines, whose
// middle would cut off the tails of g, j, p, q and y: a cell is as tall as
// its font's line, centred on the band, so its letter stands where it would.
tk::Rect cellRect(int left, const tk::Font& font) {
    const int line = std::max(40, QFontMetrics(tk::toQFont(font)).height());
    return {left, 192 - (line - 40) / 2, 40, line};
}

tk::UnitDef letterCell(int position) {
    const std::string name = std::string(kCellPrefix) + std::to_string(kCells + 1 - position);
    tk::UnitDef def =
        text(tk::unitDef(name, Kind::TransLabel, {}, kBackground), kSimHei, kLetterSize, kBlack);
    def.rect = cellRect(kCellLefts[static_cast<std::size_t>(position - 1)], def.font);
    def.cursor = tk::Cursor::Hand;
    def.visible = false;
    return def;
}

using Work = std::function<void(tk::Window&, Game&)>;

// A handler that works on the window whose unit raised the event and on
// that window's game.
tk::Handler onGame(const std::shared_ptr<Game>& game, Work work) {
    return [game, work = std::move(work)](const tk::EventArgs&) {
        if (tk::Window* window = tk::EventUnit().window()) {
            work(*window, *game);
        }
    };
}

} // namespace

tk::WindowDef spellingWindow(tk::TextArray& errorList) {
    tk::WindowDef window;
    window.name = "单词排序";
    window.left = 50;
    window.top = 50;
    window.titleBar = false;
    window.units.push_back(tk::unitDef(kBackground, Kind::PicBox, {0, 0, 800, 600}));
    window.units.push_back(captioned(
        text(unit(kInstructions, Kind::TransLabel, {60, 16, 744, 56}), kSimHei, 30, kBlack),
        "请根据下面给出的字母组合正确的单词"));
    window.units.push_back(
        text(unit(kMeaning, Kind::TransLabel, {112, 117, 516, 56}), kSimHei, 30, kMeaningBlue));
    for (int position = 1; position <= kCells; ++position) {
        window.units.push_back(letterCell(position));
    }
    window.units.push_back(
        captioned(text(unit(kResult, Kind::TransLabel, {104, 285, 528, 64}), kSimSun, 20, kBlack),
                  "点击上面的字母看我有什么变化哦"));
    // A closed drop-down list is as tall as its item text needs: 15 pixels
    // would cut the 15-point text in half.
    tk::UnitDef units = onGreen(unit(kUnitList, Kind::ComboBox, {32, 508, 96, 26}));
    units.items = {{"Unit 1", 1}, {"Unit 2", 2}, {"Unit 3", 3},
                   {"Unit 4", 4}, {"Unit 5", 5}, {"Unit 6", 6}};
    units.currentIndex = 0;
    window.units.push_back(std::move(units));
    window.units.push_back(
        ticked(unit(kShowMeaning, Kind::CheckBox, {139, 512, 135, 24}), "单词翻译关"));
    window.units.push_back(
        ticked(unit(kPronunciation, Kind::CheckBox, {285, 511, 89, 24}), "读音关"));
    window.units.push_back(hidden(button(kRedo, {383, 495, 64, 40}, "重做")));
    window.units.push_back(button(kListenAgain, {454, 495, 90, 40}, "再听一遍"));
    window.units.push_back(button(kNextWord, {551, 495, 64, 40}, "下一题"));
    window.units.push_back(button(kAnswer, {622, 495, 64, 40}, "答案"));
    window.units.push_back(button(kBack, {696, 495, 64, 40}, "返回"));

    const auto game = std::make_shared<Game>(Game{errorList, {}});
    const auto bind = [&window](std::string name, Event event, tk::Handler handler) {
        window.bindings.push_back({std::move(name), event, std::move(handler)});
    };
    bind("", Event::Created, onGame(game, windowCreated));
    bind(kUnitList, Event::SelectionChanged, onGame(game, unitChosen));
    for (int position = 1; position <= kCells; ++position) {
        bind(std::string(kCellPrefix) + std::to_string(position), Event::LeftPressed,
             onGame(game, [](tk::Window& w, Game& g) { letterClicked(w, g, tk::EventUnit()); }));
    }
    bind(kRedo, Event::Clicked, onGame(game, redo));
    bind(kListenAgain, Event::Clicked, onGame(game, listenAgain));
    bind(kNextWord, Event::Clicked, onGame(game, nextWord));
    bind(kAnswer, Event::Clicked, onGame(game, showAnswer));
    bind(kBack, Event::Clicked, onGame(game, [](tk::Window& w, Game&) { tk::UnloadWindow(&w); }));
    bind(kShowMeaning, Event::Clicked,
         onGame(game, [](tk::Window& w, Game&) { meaningSwitched(w); }));
    return window;
}

void openSpelling(tk::Window& reader, tk::TextArray& errorList) {
    tk::LoadWindow(spellingWindow(errorList), &reader, true);
}

} // namespace spelling
