// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Window tables are checked when a window is built: every fault is named,
// and none of them ends the program.
#include "support/ground.h"
#include "window.h"
#include "window_table.h"

#include <gtest/gtest.h>

using namespace tk;

namespace {

WindowDef soundTable() {
    WindowDef window;
    window.name = "窗口";
    window.units = {unitDef("高级选择夹1", Kind::PageControl, {0, 0, 800, 540}),
                    unitDef("图片框底图2", Kind::PicBox, {0, 0, 800, 540}, "高级选择夹1", 1),
                    unitDef("透明标签页二_1", Kind::TransLabel, {10, 10, 100, 20}, "图片框底图2"),
                    unitDef("超级按钮_下一页", Kind::SuperBtn, {10, 560, 40, 30})};
    window.units[0].pages = {"2", "4"};
    window.bindings = {{"超级按钮_下一页", Event::Clicked, [](const EventArgs&) {}},
                       {"", Event::Created, [](const EventArgs&) {}}};
    return window;
}

TEST(WindowTable, NamesEveryFault) {
    struct Case {
        const char* what;
        void (*spoil)(WindowDef&);
        std::vector<std::string> faults;
    };
    const Case cases[] = {
        {"sound", [](WindowDef&) {}, {}},
        {"a name twice",
         [](WindowDef& w) { w.units.push_back(unitDef("超级按钮_下一页", Kind::Label, {})); },
         {"窗口: 超级按钮_下一页 is defined twice"}},
        {"a misspelt container",
         [](WindowDef& w) { w.units[2].container = "图片框底图3"; },
         {"窗口: 透明标签页二_1 is in 图片框底图3, which is not defined before it"}},
        {"a container defined after its unit",
         [](WindowDef& w) { std::swap(w.units[1], w.units[2]); },
         {"窗口: 透明标签页二_1 is in 图片框底图2, which is not defined before it"}},
        {"a container that holds no units",
         [](WindowDef& w) {
             w.units.insert(w.units.begin(), unitDef("超级按钮_全屏", Kind::SuperBtn, {}));
             w.units[3].container = "超级按钮_全屏";
         },
         {"窗口: 透明标签页二_1 is in 超级按钮_全屏, which holds no units"}},
        {"a page the page control lacks",
         [](WindowDef& w) { w.units[1].page = 2; },
         {"窗口: 图片框底图2 is on page 2 of 高级选择夹1, which has no such page"}},
        {"a sprite template on its sprite box",
         [](WindowDef& w) {
             w.units.push_back(unitDef("动画框", Kind::CartoonBox, {0, 0, 800, 600}));
             w.units.push_back(unitDef("动画物体_鲜花1", Kind::CartoonObject, {}, "动画框"));
         },
         {}},
        {"a unit in a sprite template",
         [](WindowDef& w) {
             w.units.push_back(unitDef("动画物体_鲜花1", Kind::CartoonObject, {}));
             w.units.push_back(unitDef("透明标签_花", Kind::TransLabel, {}, "动画物体_鲜花1"));
         },
         {"窗口: 透明标签_花 is in 动画物体_鲜花1, which holds no units"}},
        {"a binding to no unit",
         [](WindowDef& w) {
             w.bindings.push_back({"超级按钮_上一页", Event::Clicked, {}});
         },
         {"窗口: a handler is bound to 超级按钮_上一页, which is not defined"}},
    };
    for (const Case& c : cases) {
        WindowDef table = soundTable();
        c.spoil(table);
        EXPECT_EQ(tableFaults(table), c.faults) << c.what;
    }
}

class WindowTableTest : public testing_ground::GroundTest {};

TEST_F(WindowTableTest, ABadTableStillMakesAWindowThatWorks) {
    WindowDef table = soundTable();
    int clicks = 0;
    table.bindings = {{"超级按钮_上一页", Event::Clicked, [](const EventArgs&) {}},
                      {"超级按钮_下一页", Event::Clicked, [&](const EventArgs&) { ++clicks; }}};
    table.units.push_back(unitDef("超级按钮_下一页", Kind::Label, {}));
    table.units.push_back(unitDef("透明标签_迷路", Kind::TransLabel, {5, 5, 20, 20}, "分组框9"));
    const auto window = CreateWindow(table);
    testing_ground::click(window->unit("超级按钮_下一页"));
    EXPECT_EQ(clicks, 1) << "the first unit of a name defined twice keeps it";
    EXPECT_EQ(window->unit("透明标签_迷路").widget()->parentWidget(), window.get());
    EXPECT_EQ(takeTableFaults().size(), 3U);
}

TEST_F(WindowTableTest, AHandlerAskingForAMissingUnitGetsAnEmptyReference) {
    const auto window = CreateWindow(soundTable());
    UnitRef missing = window->unit("超级按钮_上页");
    missing.setVisible(true);
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_TRUE(FindUnitByTag(window.get(), 77).isEmpty());
    EXPECT_EQ(takeTableFaults(),
              (std::vector<std::string>{
                  "窗口: a handler asks for 超级按钮_上页, which is not defined",
                  "窗口: a handler asks for the unit tagged 77, which is not defined"}));
}

} // namespace
