// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "finding_window.h"

#include "catalogue.h"
#include "finding_names.h"
#include "window.h"

#include <utility>

namespace finding {

namespace {

using tk::Event;
using tk::Kind;

// Where the twins differ in their windows; the rest is one design. A closed
// drop-down list is as tall as its item text needs: 15 pixels would cut the
// text in half.
struct Twin {
    const char* windowName;
    const char* caption;
    int left;
    int top;
    tk::Rect flower;
    tk::Rect next;
    tk::Rect exit;
    tk::Rect lessonList;
};

constexpr Twin kChineseToEnglish{.windowName = "汉找英窗口",
                                 .caption = "汉找英",
                                 .left = 50,
                                 .top = 50,
                                 .flower = {4, 4, 96, 124},
                                 .next = {480, 536, 72, 32},
                                 .exit = {604, 528, 40, 40},
                                 .lessonList = {339, 537, 96, 24}};
constexpr Twin kEnglishToChinese{.windowName = "英找汉窗口",
                                 .caption = "英找汉",
                                 .left = 0,
                                 .top = 0,
                                 .flower = {684, 4, 96, 124},
                                 .next = {480, 532, 72, 32},
                                 .exit = {628, 528, 40, 40},
                                 .lessonList = {347, 532, 96, 24}};

const Twin& twinOf(Direction direction) {
    return direction == Direction::ChineseToEnglish ? kChineseToEnglish : kEnglishToChinese;
}

tk::UnitDef onBox(std::string name, Kind kind, tk::Rect rect) {
    return tk::unitDef(std::move(name), kind, rect, kBox);
}

tk::UnitDef box() {
    tk::UnitDef def = tk::unitDef(kBox, Kind::CartoonBox, {0, 0, 800, 600});
    def.picture = content::picture(content::PictureRole::FindingBackground);
    def.font.size = kQuestionFontSize;
    // Dark ink reads on the light paper of the note and the cards.
    def.textColor = tk::Rgb(40, 24, 8);
    return def;
}

tk::UnitDef flower(const Twin& twin) {
    tk::UnitDef def = onBox(kFlower, Kind::CartoonObject, twin.flower);
    def.visible = false;
    def.picture = content::picture(content::PictureRole::Flower);
    def.zoom = 500;
    def.transparentColor = tk::Rgb(255, 255, 255);
    return def;
}

tk::UnitDef timeLeft() {
    tk::UnitDef def = onBox(kTimeLeft, Kind::TransLabel, {168, 528, 112, 40});
    def.caption = "剩余秒：";
    def.font.size = 15;
    def.textColor = tk::Rgb(255, 255, 255);
    return def;
}

tk::UnitDef nextButton(const Twin& twin) {
    tk::UnitDef def = onBox(kNext, Kind::SuperBtn, twin.next);
    def.caption = "下一题";
    def.disabled = true;
    return def;
}

tk::UnitDef exitButton(const Twin& twin) {
    tk::UnitDef def = onBox(kExit, Kind::SuperBtn, twin.exit);
    def.picture = content::buttonFace("finding_exit");
    return def;
}

tk::UnitDef lessonList(const Twin& twin) {
    tk::UnitDef def = onBox(kLessonList, Kind::ComboBox, twin.lessonList);
    def.items = {{"Unit 1", 1}, {"Unit 2", 2}, {"Unit 3", 3},
                 {"Unit 4", 4}, {"Unit 5", 5}, {"Unit 6", 6}};
    def.currentIndex = 0;
    return def;
}

using Work = void (*)(tk::Window&, FindingGame&);

tk::Handler onWindow(const std::shared_ptr<FindingGame>& game, Work work) {
    return tk::OnEventWindow([game, work](tk::Window& w, const tk::EventArgs&) { work(w, *game); });
}

void open(tk::Window& reader, tk::TextArray& errorList, Direction direction) {
    tk::LoadWindow(findingWindow(std::make_shared<FindingGame>(direction, errorList)), &reader,
                   true);
}

} // namespace

tk::WindowDef findingWindow(std::shared_ptr<FindingGame> game) {
    const Twin& twin = twinOf(game->direction);
    tk::WindowDef window;
    window.name = twin.windowName;
    window.caption = twin.caption;
    window.left = twin.left;
    window.top = twin.top;
    window.units = {
        box(),
        flower(twin),
        timeLeft(),
        nextButton(twin),
        exitButton(twin),
        lessonList(twin),
        tk::unitDef(kTimer, Kind::Timer, {}),
    };
    window.bindings = {
        {"", Event::Created, onWindow(game, opened)},
        {kBox, Event::LeftPressed, tk::OnEventWindow([game](tk::Window& w, const tk::EventArgs& a) {
             boxPressed(w, *game, a.x, a.y);
         })},
        {kNext, Event::Clicked, onWindow(game, skipped)},
        {kLessonList, Event::SelectionChanged, onWindow(game, lessonChanged)},
        {kTimer, Event::Tick, onWindow(game, ticked)},
        {kExit, Event::Clicked,
         onWindow(game, [](tk::Window& w, FindingGame&) { tk::UnloadWindow(&w); })},
    };
    return window;
}

void openChineseToEnglish(tk::Window& reader, tk::TextArray& errorList) {
    open(reader, errorList, Direction::ChineseToEnglish);
}

void openEnglishToChinese(tk::Window& reader, tk::TextArray& errorList) {
    open(reader, errorList, Direction::EnglishToChinese);
}

} // namespace finding
