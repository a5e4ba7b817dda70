// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill_panel.h"

#include "catalogue.h"
#include "drill_handlers.h"
#include "drill_logic.h"
#include "drill_names.h"
#include "window.h"

#include <utility>

namespace drill {

namespace {

using tk::Event;
using tk::Kind;

constexpr int kRed = tk::Rgb(255, 0, 0);
constexpr int kBlack = tk::Rgb(0, 0, 0);

class Panel {
  public:
    Panel(tk::WindowDef& window, std::string container, DrillLinks links)
        : window_(window), container_(std::move(container)), links_(std::move(links)) {}

    void addUnits() {
        add(button(kStart, {140, 400, 60, 40}, "drill_start", false));
        add(button(kListenAgain, {250, 400, 100, 40}, "drill_listen_again", true));
        add(button(kNextWord, {400, 400, 100, 40}, "drill_next", true));
        add(button(kConfirm, {632, 205, 60, 40}, "drill_confirm", true));
        add(button(kLeave, {712, 400, 40, 40}, "drill_leave", false));
        add(list(kUnitList, {124, 97, 144, 29},
                 {{"Unit 1", 1},
                  {"Unit 2", 2},
                  {"Unit 3", 3},
                  {"Unit 4", 4},
                  {"Unit 5", 5},
                  {"Unit 6", 6}}));
        add(list(kOrderList, {324, 96, 123, 29},
                 {{"课本顺序", kTextbookOrder}, {"随机顺序", kRandomOrder}}));
        tk::UnitDef showMeaning = unit(kShowMeaning, Kind::CheckBox, {490, 98, 161, 24}, 16);
        showMeaning.caption = "是否显示中文";
        add(std::move(showMeaning));
        add(coloured(unit(kStatusLine, Kind::TransLabel, {198, 145, 478, 48}, 22), kRed));
        // Transparent labels lie under the boxes: the miss record covers the
        // meaning line, which still holds the last word's meaning.
        add(coloured(unit(kSign, Kind::TransLabel, {534, 200, 44, 40}, 22), kRed));
        add(coloured(unit(kMeaningLine, Kind::TransLabel, {195, 261, 391, 48}, 22), kBlack));
        tk::UnitDef answer = unit(kAnswerBox, Kind::EditBox, {196, 197, 312, 48}, 16);
        answer.disabled = true;
        add(std::move(answer));
        tk::UnitDef record = unit(kMissRecord, Kind::EditBox, {194, 197, 312, 188}, 16);
        record.multiLine = true;
        record.visible = false;
        add(std::move(record));
    }

    void bindHandlers() {
        bind(kStart, Event::Clicked, onPanel(startDrill));
        bind(kConfirm, Event::Clicked, onPanel(confirmAnswer));
        bind(kAnswerBox, Event::KeyPressed,
             onPanel([](tk::Window& window, DrillState& state, const tk::EventArgs& args) {
                 answerKey(window, state, args.key);
             }));
        bind(kNextWord, Event::Clicked, onPanel(skipWord));
        bind(kListenAgain, Event::Clicked,
             onPanel(
                 [](tk::Window&, DrillState& state, const tk::EventArgs&) { listenAgain(state); }));
        bind(kShowMeaning, Event::Clicked,
             onPanel([](tk::Window& window, DrillState&, const tk::EventArgs&) {
                 showMeaningSwitched(window);
             }));
        bind(kUnitList, Event::SelectionChanged, onPanel(choiceChanged));
        bind(kOrderList, Event::SelectionChanged, onPanel(choiceChanged));
        bind(kLeave, Event::Clicked, [leave = links_.leave](const tk::EventArgs&) {
            if (tk::Window* window = tk::EventUnit().window(); window && leave) {
                leave(*window);
            }
        });
    }

  private:
    tk::UnitDef unit(const char* name, Kind kind, tk::Rect rect, int fontSize) const {
        tk::UnitDef def = tk::unitDef(name, kind, rect, container_);
        def.font.size = fontSize;
        return def;
    }

    // Picture only: the face carries the lettering.
    tk::UnitDef button(const char* name, tk::Rect rect, std::string_view face,
                       bool disabled) const {
        tk::UnitDef def = tk::unitDef(name, Kind::SuperBtn, rect, container_);
        def.picture = content::buttonFace(face);
        def.disabled = disabled;
        return def;
    }

    tk::UnitDef list(const char* name, tk::Rect rect, std::vector<tk::ComboItem> items) const {
        tk::UnitDef def = unit(name, Kind::ComboBox, rect, 16);
        def.items = std::move(items);
        def.currentIndex = 0;
        return def;
    }

    static tk::UnitDef coloured(tk::UnitDef def, int colour) {
        def.textColor = colour;
        return def;
    }

    using Work = std::function<void(tk::Window&, DrillState&, const tk::EventArgs&)>;

    // A handler that works on the window whose unit raised the event and on
    // the drill state the holder keeps.
    tk::Handler onPanel(Work work) const {
        return [state = links_.state, work = std::move(work)](const tk::EventArgs& args) {
            if (tk::Window* window = tk::EventUnit().window(); window && state) {
                work(*window, state(), args);
            }
        };
    }
    tk::Handler onPanel(void (*work)(tk::Window&, DrillState&)) const {
        return onPanel([work](tk::Window& window, DrillState& state, const tk::EventArgs&) {
            work(window, state);
        });
    }

    void add(tk::UnitDef def) { window_.units.push_back(std::move(def)); }
    void bind(const char* name, Event event, tk::Handler handler) {
        window_.bindings.push_back({name, event, std::move(handler)});
    }

    tk::WindowDef& window_;
    std::string container_;
    DrillLinks links_;
};

} // namespace

void addDrillPanel(tk::WindowDef& window, const std::string& container, DrillLinks links) {
    Panel panel(window, container, std::move(links));
    panel.addUnits();
    panel.bindHandlers();
}

} // namespace drill
