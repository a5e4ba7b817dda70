// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordering_window.h"

#include "catalogue.h"
#include "ordering_handlers.h"
#include "ordering_look.h"
#include "ordering_names.h"
#include "window.h"

#include <QImage>
#include <functional>
#include <string>

namespace ordering {

namespace {

using tk::Event;
using tk::Kind;

// The background box lies 2 pixels above the client area; the table gives
// the rectangles in the window's coordinates.
constexpr int kBackgroundTop = -2;

class Builder {
  public:
    explicit Builder(OrderingState& state) : state_(state) {}

    tk::WindowDef window;

    void addUnits() {
        add(tk::unitDef(kBackground, Kind::PicBox, {0, kBackgroundTop, 800, 600}));
        add(onBackground(kWordFrame, Kind::GroupBox, {16, 152, 768, 55}));
        for (int k = 1; k <= kWordLabels; ++k) {
            tk::UnitDef label = tk::unitDef(kWordLabel + std::to_string(k), Kind::TransLabel,
                                            {10, 13, 60, 30}, kWordFrame);
            label.font = simSun(14);
            label.textColor = kBlack;
            label.tag = std::to_string(kFirstWordTag - 1 + k);
            add(std::move(label));
        }
        tk::UnitDef translation =
            text(onBackground(kTranslation, Kind::TransLabel, {32, 242, 736, 49}), kBlue);
        translation.visible = false;
        add(std::move(translation));
        const tk::Rect translationBox[] = {
            {16, 234, 768, 2}, {18, 295, 768, 2}, {16, 236, 2, 60}, {782, 235, 2, 60}};
        for (std::size_t i = 0; i < std::size(kTranslationLines); ++i) {
            tk::UnitDef line =
                onBackground(kTranslationLines[i], Kind::GroupBox, translationBox[i]);
            line.visible = false;
            add(std::move(line));
        }
        tk::UnitDef arranged =
            text(onBackground(kArrangedLine, Kind::TransLabel, {25, 322, 768, 49}), kBlack);
        arranged.caption = kInstruction;
        add(std::move(arranged));
        const tk::Rect arrangedBox[] = {
            {18, 316, 768, 2}, {20, 374, 768, 2}, {18, 316, 2, 60}, {784, 317, 2, 60}};
        for (std::size_t i = 0; i < std::size(kArrangedLines); ++i) {
            add(onBackground(kArrangedLines[i], Kind::GroupBox, arrangedBox[i]));
        }
        add(checkBox(kPronunciation, {127, 407, 88, 24}, "读音关"));
        add(checkBox(kTranslationSwitch, {240, 407, 88, 24}, "汉语翻译关"));
        add(button(kNext, {120, 446, 64, 40}, "下一题"));
        add(button(kListenAgain, {222, 446, 82, 40}, "再听一遍"));
        tk::UnitDef redoButton = button(kRedo, {330, 446, 64, 40}, "重做");
        redoButton.visible = false;
        add(std::move(redoButton));
        add(button(kOk, {426, 446, 64, 40}, "确定"));
        add(button(kAnswer, {530, 446, 64, 40}, "答案"));
        add(button(kBack, {712, 446, 64, 40}, "返回"));
    }

    void bindHandlers() {
        bind("", Event::Created, onWindow([](tk::Window& w, OrderingState& s) {
                 w.unit(kBackground).setImage(background());
                 startSentence(w, s);
             }));
        bind("", Event::Closed, onWindow([](tk::Window&, OrderingState& s) { windowClosed(s); }));
        for (int k = 1; k <= kWordLabels; ++k) {
            bind(kWordLabel + std::to_string(k), Event::LeftPressed,
                 onWindow(
                     [](tk::Window& w, OrderingState& s) { wordClicked(w, s, tk::EventUnit()); }));
        }
        bind(kNext, Event::Clicked, onWindow(startSentence));
        bind(kListenAgain, Event::Clicked,
             onWindow([](tk::Window&, OrderingState& s) { listenAgain(s); }));
        bind(kRedo, Event::Clicked, onWindow(redo));
        bind(kOk, Event::Clicked, onWindow(judge));
        bind(kAnswer, Event::Clicked,
             onWindow([](tk::Window& w, OrderingState& s) { showAnswer(w, s); }));
        bind(kBack, Event::Clicked,
             onWindow([](tk::Window& w, OrderingState&) { tk::UnloadWindow(&w); }));
        bind(kPronunciation, Event::Clicked,
             onWindow([](tk::Window& w, OrderingState&) { pronunciationSwitched(w); }));
        bind(kTranslationSwitch, Event::Clicked,
             onWindow([](tk::Window& w, OrderingState&) { translationSwitched(w); }));
    }

  private:
    // A unit on the background, placed by its window coordinates.
    static tk::UnitDef onBackground(const char* name, Kind kind, tk::Rect rect) {
        rect.top -= kBackgroundTop;
        return tk::unitDef(name, kind, rect, kBackground);
    }

    static tk::UnitDef text(tk::UnitDef def, int colour) {
        def.font = simSun(16);
        def.textColor = colour;
        return def;
    }

    static tk::UnitDef checkBox(const char* name, tk::Rect rect, const char* caption) {
        tk::UnitDef def = onBackground(name, Kind::CheckBox, rect);
        def.caption = caption;
        def.checked = true;
        return def;
    }

    static tk::UnitDef button(const char* name, tk::Rect rect, const char* caption) {
        tk::UnitDef def = onBackground(name, Kind::SuperBtn, rect);
        def.caption = caption;
        def.hint = caption;
        def.font = simSun(15);
        return def;
    }

    using Work = std::function<void(tk::Window&, OrderingState&)>;

    // A handler that works on the window whose unit raised the event.
    tk::Handler onWindow(Work work) const {
        return [&state = state_, work = std::move(work)](const tk::EventArgs&) {
            if (tk::Window* w = tk::EventUnit().window()) {
                work(*w, state);
            }
        };
    }

    void add(tk::UnitDef def) { window.units.push_back(std::move(def)); }
    void bind(std::string unit, Event event, tk::Handler handler) {
        window.bindings.push_back({std::move(unit), event, std::move(handler)});
    }

    OrderingState& state_;
};

} // namespace

tk::WindowDef orderingWindow(OrderingState& state) {
    Builder builder(state);
    builder.window.name = kWindowName;
    builder.window.left = 50;
    builder.window.top = 50;
    builder.window.titleBar = false;
    builder.addUnits();
    builder.bindHandlers();
    return std::move(builder.window);
}

void openOrdering(const common::PageLists& lists, int& starts) {
    OrderingState state;
    state.lists = lists;
    state.starts = &starts;
    tk::LoadWindow(orderingWindow(state), nullptr, true);
}

const QImage& background() {
    static const QImage image =
        QImage::fromData(content::picture(content::PictureRole::OrderingBackground));
    return image;
}

} // namespace ordering
