// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching_window.h"

#include "catalogue.h"
#include "matching_board.h"
#include "matching_names.h"
#include "sound.h"
#include "window.h"

#include <utility>

namespace matching {

namespace {

using tk::Event;
using tk::Kind;

tk::UnitDef onBoard(std::string name, Kind kind, tk::Rect rect) {
    return tk::unitDef(std::move(name), kind, rect, kBoard);
}

tk::UnitDef board() {
    tk::UnitDef def = tk::unitDef(kBoard, Kind::DrawPanel, {0, 0, 800, 600});
    def.picture = content::picture(content::PictureRole::MatchingBackground);
    def.font.size = 14;
    def.font.face = "宋体";
    def.textColor = tk::Rgb(0, 0, 0);
    return def;
}

tk::UnitDef timeBar() {
    tk::UnitDef def = onBoard(kTimeBar, Kind::ProcessBar, {184, 20, 412, 32});
    def.maximum = kTimeSteps;
    def.position = kTimeSteps;
    return def;
}

tk::UnitDef musicBox() {
    tk::UnitDef def = onBoard(kMusicBox, Kind::CheckBox, {321, 550, 135, 24});
    def.checked = true;
    def.caption = "背景音乐关";
    return def;
}

tk::UnitDef list(const char* name, tk::Rect rect, std::vector<tk::ComboItem> items) {
    tk::UnitDef def = onBoard(name, Kind::ComboBox, rect);
    def.items = std::move(items);
    def.currentIndex = 0;
    return def;
}

tk::UnitDef exitButton() {
    tk::UnitDef def = onBoard(kExit, Kind::SuperBtn, {732, 540, 40, 40});
    def.picture = content::buttonFace("matching_exit");
    return def;
}

using Work = void (*)(tk::Window&, MatchingGame&);

tk::Handler onWindow(const std::shared_ptr<MatchingGame>& game, Work work) {
    return tk::OnEventWindow([game, work](tk::Window& w, const tk::EventArgs&) { work(w, *game); });
}

using PointWork = void (*)(tk::Window&, MatchingGame&, int, int);

tk::Handler atPoint(const std::shared_ptr<MatchingGame>& game, PointWork work) {
    return tk::OnEventWindow(
        [game, work](tk::Window& w, const tk::EventArgs& a) { work(w, *game, a.x, a.y); });
}

} // namespace

tk::WindowDef matchingWindow(std::shared_ptr<MatchingGame> game) {
    tk::WindowDef window;
    window.name = kWindowName;
    window.caption = "连连看";
    window.left = 50;
    window.top = 50;
    window.units = {
        board(),
        timeBar(),
        onBoard(kTimer, Kind::Timer, {}),
        musicBox(),
        list(kDifficultyList, {211, 548, 84, 15}, {{"初级", 1}, {"中级", 2}, {"高级", 3}}),
        list(kLessonList, {99, 548, 96, 15},
             {{"Unit 1", 1},
              {"Unit 2", 2},
              {"Unit 3", 3},
              {"Unit 4", 4},
              {"Unit 5", 5},
              {"Unit 6", 6}}),
        exitButton(),
    };
    window.bindings = {
        {"", Event::Created, onWindow(game, opened)},
        {kBoard, Event::LeftPressed, atPoint(game, boardPressed)},
        {kBoard, Event::MouseMoved, atPoint(game, boardHovered)},
        {kTimer, Event::Tick, onWindow(game, timeTicked)},
        {kDifficultyList, Event::SelectionChanged, onWindow(game, difficultyChanged)},
        {kLessonList, Event::SelectionChanged, onWindow(game, lessonChanged)},
        {kMusicBox, Event::Clicked,
         onWindow(game, [](tk::Window& w, MatchingGame&) { musicSwitched(w); })},
        {kExit, Event::Clicked,
         onWindow(game, [](tk::Window& w, MatchingGame&) { tk::UnloadWindow(&w); })},
        // However the window closes, its music ends with it.
        {"", Event::Closed, [](const tk::EventArgs&) { tk::StopSound(); }},
    };
    return window;
}

void openMatching(tk::Window& reader) {
    tk::LoadWindow(matchingWindow(), &reader, true);
}

} // namespace matching
