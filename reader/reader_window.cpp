// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_window.h"

#include "catalogue.h"
#include "drill/drill_panel.h"
#include "hotspots.h"
#include "navigation.h"
#include "page_exercises.h"
#include "page_names.h"
#include "reader_links.h"
#include "reader_opening.h"
#include "reader_state.h"
#include "reader_title.h"
#include "window.h"

#include <functional>

namespace reader {

namespace {

using tk::Cursor;
using tk::Event;
using tk::Kind;

constexpr const char* kPageControl = "高级选择夹1";
constexpr const char* kToolbar = "分组框翻页";

tk::UnitDef button(std::string name, int left, std::string caption) {
    tk::UnitDef def = tk::unitDef(std::move(name), Kind::SuperBtn, {left, 15, 40, 30}, kToolbar);
    def.caption = caption;
    def.hint = std::move(caption);
    return def;
}

// A handler that works on the window whose unit raised the event.
tk::Handler onWindow(std::function<void(tk::Window&)> work) {
    return [work = std::move(work)](const tk::EventArgs&) {
        if (tk::Window* window = tk::EventUnit().window()) {
            work(*window);
        }
    };
}

tk::Handler onHotspot(std::function<void(tk::Window&, const tk::UnitRef&)> work) {
    return [work = std::move(work)](const tk::EventArgs&) {
        const tk::UnitRef hotspot = tk::EventUnit();
        if (tk::Window* window = hotspot.window()) {
            work(*window, hotspot);
        }
    };
}

// The page shown, as the page games get it: copies of its text lists and
// its exercise clips.
void openPageGame(const std::function<void(const common::PageLists&)>& open) {
    if (open) {
        const ReaderState& s = state();
        open({s.english, s.chinese, s.exerciseClips});
    }
}

class Builder {
  public:
    tk::WindowDef window;

    void add(tk::UnitDef def) { window.units.push_back(std::move(def)); }
    void bind(std::string unitName, Event event, tk::Handler handler) {
        window.bindings.push_back({std::move(unitName), event, std::move(handler)});
    }

    void addPages() {
        tk::UnitDef pages = tk::unitDef(kPageControl, Kind::PageControl, {0, 0, 800, 540});
        for (int page = 0; page < kPages; ++page) {
            pages.pages.push_back(pageName(page));
        }
        add(std::move(pages));
        bind(kPageControl, Event::PageChanged,
             onWindow([](tk::Window& w) { loadPage(w, w.unit(kPageControl).currentPage()); }));
        for (int page = 0; page < kPages; ++page) {
            addPage(page);
        }
    }

    void addToolbar() {
        add(tk::unitDef(kToolbar, Kind::GroupBox, {1, 536, 792, 59}));
        add(button("超级按钮_全屏", 4, "全屏"));
        add(button("超级按钮_上一页", 43, "上一页"));
        tk::UnitDef courses =
            tk::unitDef("组合框课程选择", Kind::ComboBox, {89, 21, 60, 20}, kToolbar);
        courses.items = {{"Unit 1", 1},    {"Unit 2", 2},    {"Unit 3", 3},
                         {"Recycle 1", 4}, {"Unit 4", 5},    {"Unit 5", 6},
                         {"Unit 6", 7},    {"Recycle 2", 8}, {"单词表", 9}};
        courses.currentIndex = 0;
        add(std::move(courses));
        add(button("超级按钮_下一页", 151, "下一页"));
        tk::UnitDef translation = button("超级按钮_中文提示", 195, "中文翻译关");
        translation.hint = "中文提示关";
        translation.twoState = true;
        add(std::move(translation));
        add(button("超级按钮_练一练", 239, "练一练"));
        add(button("超级按钮_找一找", 283, "找一找"));
        add(button("超级按钮_填一填", 327, "填一填"));
        add(button("超级按钮_排序", 371, "句子排序"));
        add(button("超级按钮_背单词", 415, "背单词"));
        add(button("超级按钮_连连看", 459, "连连看"));
        add(button("超级按钮_单词排序", 503, "单词排序"));
        add(button("超级按钮_汉找英", 547, "汉找英"));
        add(button("超级按钮_英找汉", 591, "英找汉"));
        add(button("超级按钮_退出", 634, "退出"));
        tk::UnitDef title = tk::unitDef("画板1", Kind::DrawPanel, {671, 10, 118, 40}, kToolbar);
        title.font.size = 15;
        add(std::move(title));

        bind("超级按钮_全屏", Event::Clicked, [](const tk::EventArgs&) { fullScreenClicked(); });
        bind("超级按钮_上一页", Event::Clicked, onWindow(previousPage));
        bind("组合框课程选择", Event::SelectionChanged, onWindow(courseChosen));
        bind("超级按钮_下一页", Event::Clicked, onWindow(nextPage));
        bind("超级按钮_中文提示", Event::Clicked, onWindow(translationSwitched));
        bind("超级按钮_练一练", Event::Clicked,
             onWindow([](tk::Window& w) { startExercise(w, exercises::Mode::Practice); }));
        bind("超级按钮_找一找", Event::Clicked,
             onWindow([](tk::Window& w) { startExercise(w, exercises::Mode::Find); }));
        bind("超级按钮_背单词", Event::Clicked, onWindow(openDrill));
        bind("超级按钮_填一填", Event::Clicked,
             onWindow([](tk::Window&) { openPageGame(links().games.fillIn); }));
        bind("超级按钮_排序", Event::Clicked,
             onWindow([](tk::Window&) { openPageGame(links().games.ordering); }));
        bindWordGame("超级按钮_单词排序", &GameOpeners::spelling);
        bindWordGame("超级按钮_连连看", &GameOpeners::matching);
        bindWordGame("超级按钮_汉找英", &GameOpeners::chineseToEnglish);
        bindWordGame("超级按钮_英找汉", &GameOpeners::englishToChinese);
        bind("超级按钮_退出", Event::Clicked, [](const tk::EventArgs&) { exitClicked(); });
    }

    void addWindowUnits() {
        tk::UnitDef label = tk::unitDef("标签_显示翻译", Kind::Label, {72, 0, 40, 24});
        label.tag = "1";
        label.visible = false;
        add(std::move(label));
        bind("标签_显示翻译", Event::LeftPressed,
             [](const tk::EventArgs&) { labelPressed(tk::EventUnit()); });

        tk::UnitDef markTemplate = tk::unitDef("图片框_正确", Kind::PicBox, {0, 0, 20, 20});
        markTemplate.visible = false;
        add(std::move(markTemplate));

        tk::UnitDef timer = tk::unitDef("时钟1", Kind::Timer, {});
        timer.interval = 50;
        add(std::move(timer));
        bind("时钟1", Event::Tick, onWindow(titleTick));
        bind("", Event::Created, onWindow(readerCreated));
    }

  private:
    void bindWordGame(const char* button, std::function<void(tk::Window&)> GameOpeners::*opener) {
        bind(button, Event::Clicked, onWindow([opener](tk::Window& w) {
                 if (const auto& open = links().games.*opener) {
                     open(w);
                 }
             }));
    }

    void addPage(int page) {
        const std::string box = pagePictureName(page);
        const int height = page == kDrillPage ? 560 : 540;
        add(tk::unitDef(box, Kind::PicBox, {0, 0, 800, height}, kPageControl, page));
        if (page == kDrillPage) {
            drill::addDrillPanel(window, box,
                                 {[]() -> drill::DrillState& { return drillState(); }, leaveDrill});
            return;
        }
        const int bookPage = bookPageOf(page);
        // Listen marks lie under the hotspots that play their recordings;
        // tick and write-in boxes above them, to be clicked.
        addAnswerBoxes(box, bookPage, true);
        if (page < kLessonPages) {
            addLessonHotspots(box, page, bookPage);
        } else {
            addFixedHotspots(box, bookPage);
        }
        addAnswerBoxes(box, bookPage, false);
        if (page < kLessonPages) {
            tk::UnitDef overlay =
                tk::unitDef(overlayName(bookPage), Kind::TransLabel, {0, 0, 20, 20}, box);
            overlay.disabled = true;
            add(std::move(overlay));
            bind(overlayName(bookPage), Event::LeftPressed, [](const tk::EventArgs& args) {
                if (tk::Window* reader = tk::EventUnit().window()) {
                    overlayPressed(*reader, args.x, args.y);
                }
            });
        }
    }

    void addHotspot(const std::string& box, int bookPage, int k, const tk::Rect& rect,
                    tk::Handler handler) {
        const std::string name = hotspotName(bookPage, k);
        tk::UnitDef hotspot = tk::unitDef(name, Kind::TransLabel, rect, box);
        hotspot.tag = std::to_string(bookPage);
        hotspot.cursor = Cursor::Hand;
        add(std::move(hotspot));
        bind(name, Event::LeftPressed, std::move(handler));
    }

    void addLessonHotspots(const std::string& box, int page, int bookPage) {
        const std::vector<tk::Rect>& rects = content::pageHotspots(page);
        std::vector<int> order;
        for (int k = 1; k <= static_cast<int>(rects.size()); ++k) {
            order.push_back(k);
        }
        // Book page 64 had its hotspot 5 added after 6 to 14.
        if (bookPage == 64 && order.size() >= 14) {
            order.erase(order.begin() + 4);
            order.insert(order.begin() + 13, 5);
        }
        for (const int k : order) {
            addHotspot(box, bookPage, k, rects[static_cast<std::size_t>(k - 1)],
                       onHotspot([k](tk::Window& w, const tk::UnitRef& hotspot) {
                           playLessonHotspot(w, hotspot, k);
                       }));
        }
    }

    void addFixedHotspots(const std::string& box, int bookPage) {
        const auto& hotspots =
            bookPage == 70 ? content::page70Hotspots() : content::page74Hotspots();
        for (const content::FixedHotspot& fixed : hotspots) {
            const tk::Clip clip = fixed.clip;
            addHotspot(box, bookPage, fixed.number, fixed.rect,
                       onHotspot([clip](tk::Window& w, const tk::UnitRef& hotspot) {
                           playHotspot(w, hotspot, clip, {});
                       }));
        }
    }

    void addAnswerBoxes(const std::string& box, int bookPage, bool listenMarks) {
        using BoxKind = content::AnswerBox::Kind;
        for (const content::AnswerBox& answer : content::answerBoxes()) {
            if (answer.bookPage != bookPage || (answer.kind == BoxKind::Listen) != listenMarks) {
                continue;
            }
            switch (answer.kind) {
            case BoxKind::Tick: {
                add(tk::unitDef(answer.unitName, Kind::CheckBox, answer.rect, box));
                const bool belongsTicked = answer.answer == "yes";
                bind(answer.unitName, Event::Clicked, [box, belongsTicked](const tk::EventArgs&) {
                    tickBoxClicked(tk::EventUnit(), box, belongsTicked);
                });
                break;
            }
            case BoxKind::Write: {
                add(tk::unitDef(answer.unitName, Kind::EditBox, answer.rect, box));
                const tk::Text digit = answer.answer;
                bind(answer.unitName, Event::ContentChanged, [box, digit](const tk::EventArgs&) {
                    writeInChanged(tk::EventUnit(), box, digit);
                });
                break;
            }
            case BoxKind::Listen: {
                tk::UnitDef mark = tk::unitDef(answer.unitName, Kind::PicBox, answer.rect, box);
                mark.picture = content::picture(content::PictureRole::ListenIcon);
                mark.cursor = Cursor::Hand;
                add(std::move(mark));
                break;
            }
            }
        }
    }
};

tk::WindowDef makeReaderWindow() {
    content::loadBook();
    Builder builder;
    builder.window.name = "点读窗口";
    builder.window.caption = tk::toUtf8(content::bookText(content::BookText::ReaderTitle));
    builder.addPages();
    builder.addToolbar();
    builder.addWindowUnits();
    return std::move(builder.window);
}

} // namespace

const tk::WindowDef& readerWindow() {
    static const tk::WindowDef definition = makeReaderWindow();
    return definition;
}

} // namespace reader
