// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows, units, events and the unit services, on real widgets.
#include "platform.h"
#include "support/ground.h"
#include "window.h"
#include "window_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace tk;
using namespace testing_ground;

namespace {

UnitDef tagged(UnitDef def, std::string tag) {
    def.tag = std::move(tag);
    return def;
}

UnitDef hidden(UnitDef def) {
    def.visible = false;
    return def;
}

// Every kind, nested containers, hidden units and tags, in a known order.
WindowDef sampleWindow() {
    WindowDef window;
    window.name = "样例窗口";
    window.units = {
        unitDef("高级选择夹1", Kind::PageControl, {0, 0, 800, 540}),
        unitDef("图片框底图2", Kind::PicBox, {0, 0, 800, 540}, "高级选择夹1", 0),
        tagged(unitDef("透明标签页二_1", Kind::TransLabel, {10, 10, 100, 20}, "图片框底图2"), "2"),
        tagged(
            hidden(unitDef("透明标签页二_2", Kind::TransLabel, {10, 40, 100, 20}, "图片框底图2")),
            "2"),
        unitDef("分组框翻页", Kind::GroupBox, {1, 536, 792, 59}),
        tagged(unitDef("超级按钮_全屏", Kind::SuperBtn, {4, 15, 40, 30}, "分组框翻页"), "7"),
        unitDef("组合框课程选择", Kind::ComboBox, {89, 21, 60, 20}, "分组框翻页"),
        tagged(unitDef("透明标签_提示", Kind::TransLabel, {300, 10, 40, 20}), "x"),
        tagged(unitDef("标签_显示翻译", Kind::Label, {72, 0, 40, 24}), "1"),
        unitDef("选择框打钩44_1", Kind::CheckBox, {56, 101, 15, 16}, "高级选择夹1", 1),
        unitDef("编辑框10_1", Kind::EditBox, {79, 145, 16, 16}),
        unitDef("时钟1", Kind::Timer, {}),
        unitDef("画板1", Kind::DrawPanel, {671, 10, 118, 40}, "分组框翻页"),
        tagged(unitDef("图片框_正确", Kind::PicBox, {0, 0, 20, 20}, "图片框底图2"), "90"),
        tagged(hidden(unitDef("动画框", Kind::CartoonBox, {0, 0, 800, 600})), "30"),
        tagged(hidden(unitDef("动画物体_鲜花1", Kind::CartoonObject, {4, 4, 96, 124}, "动画框")),
               "31"),
    };
    window.units[0].pages = {"2", "4"};
    window.units[6].items = {{"Unit 1", 1}, {"Unit 2", 2}, {"单词表", 9}};
    window.units[6].currentIndex = 0;
    return window;
}

std::vector<std::string> names(const UnitArray& units) {
    std::vector<std::string> result;
    for (const UnitRef& ref : units) {
        result.push_back(ref.name());
    }
    return result;
}

class WindowTest : public GroundTest {};

TEST_F(WindowTest, FindUnitsSelectsByPrefixKindAndTagInDefinitionOrder) {
    auto window = CreateWindow(sampleWindow());
    struct Case {
        std::string prefix;
        std::string kind;
        long long minTag;
        long long maxTag;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"透明标签",
         "",
         LLONG_MIN,
         LLONG_MAX,
         {"透明标签页二_1", "透明标签页二_2", "透明标签_提示"}},
        {"", "透明标签", 1, 5, {"透明标签页二_1", "透明标签页二_2"}},
        // A tag that is no number counts as 0.
        {"",
         "",
         0,
         0,
         {"高级选择夹1", "图片框底图2", "分组框翻页", "组合框课程选择", "透明标签_提示",
          "选择框打钩44_1", "编辑框10_1", "时钟1", "画板1"}},
        {"", "", 89, 91, {"图片框_正确"}},
        {"", "动画物体", LLONG_MIN, LLONG_MAX, {"动画物体_鲜花1"}},
        {"动画", "", 30, 31, {"动画框", "动画物体_鲜花1"}},
        {"", "选择框", LLONG_MIN, LLONG_MAX, {"选择框打钩44_1"}},
        {"", "图片框", LLONG_MIN, LLONG_MAX, {"图片框底图2", "图片框_正确"}},
        {"超级按钮", "超级按钮", 7, 7, {"超级按钮_全屏"}},
        {"超级按钮", "标签", LLONG_MIN, LLONG_MAX, {}},
        {"无", "", LLONG_MIN, LLONG_MAX, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(names(FindUnits(window.get(), c.prefix, c.kind, c.minTag, c.maxTag)), c.expected)
            << "prefix '" << c.prefix << "' kind '" << c.kind << "'";
    }
    EXPECT_EQ(static_cast<int>(FindUnits(window.get()).size()), window->unitCount());
}

TEST_F(WindowTest, FindUnitByTagGivesTheFirstInDefinitionOrder) {
    auto window = CreateWindow(sampleWindow());
    EXPECT_EQ(FindUnitByTag(window.get(), 1).name(), "标签_显示翻译");
    EXPECT_EQ(FindUnitByTag(window.get(), 2).name(), "透明标签页二_1");
    EXPECT_TRUE(FindUnitByTag(window.get(), 12345).isEmpty());
    EXPECT_EQ(takeTableFaults().size(), 1U);
    EXPECT_TRUE(FindUnitByTag(nullptr, 1).isEmpty());
}

TEST_F(WindowTest, ArrayMembersOutOfRangeAreEmpty) {
    auto window = CreateWindow(sampleWindow());
    const UnitArray found = FindUnits(window.get(), "透明标签页");
    EXPECT_EQ(member(found, 1).name(), "透明标签页二_2");
    EXPECT_TRUE(member(found, 2).isEmpty());
    EXPECT_TRUE(member(found, -1).isEmpty());
}

TEST_F(WindowTest, ComboItemDataAndText) {
    auto window = CreateWindow(sampleWindow());
    const UnitRef combo = window->unit("组合框课程选择");
    EXPECT_EQ(ItemData(combo, 0), 1);
    EXPECT_EQ(ItemData(combo, 2), 9);
    EXPECT_EQ(ItemData(combo, combo.itemCount()), -1);
    EXPECT_EQ(ItemData(combo, -1), -1);
    EXPECT_EQ(toUtf8(ItemText(combo, 2)), "单词表");
    EXPECT_EQ(ItemText(combo, 3), Text());
    EXPECT_EQ(ItemData(window->unit("画板1"), 0), -1);
}

TEST_F(WindowTest, CoordinatesAreRelativeToTheContainer) {
    auto window = CreateWindow(sampleWindow());
    const UnitRef button = window->unit("超级按钮_全屏");
    EXPECT_EQ(button.left(), 4);
    EXPECT_EQ(button.top(), 15);
    EXPECT_EQ(button.widget()->mapTo(window.get(), QPoint(0, 0)), QPoint(5, 551));
}

TEST_F(WindowTest, PageChangedFiresOnlyForANewPage) {
    WindowDef def = sampleWindow();
    std::vector<int> changes;
    UnitRef pages;
    def.bindings.push_back({"高级选择夹1", Event::PageChanged, [&](const EventArgs&) {
                                changes.push_back(pages.currentPage());
                                EXPECT_EQ(EventUnit(), pages);
                            }});
    auto window = CreateWindow(def);
    pages = window->unit("高级选择夹1");
    pages.setCurrentPage(0);
    pages.setCurrentPage(1);
    pages.setCurrentPage(1);
    pages.setCurrentPage(5);
    pages.setCurrentPage(0);
    EXPECT_EQ(changes, (std::vector<int>{1, 0}));
}

TEST_F(WindowTest, ClicksReachHandlersAfterTheStateFlipped) {
    WindowDef def = sampleWindow();
    def.units[5].twoState = true;
    std::vector<bool> seen;
    UnitRef button;
    UnitRef box;
    def.bindings.push_back({"超级按钮_全屏", Event::Clicked,
                            [&](const EventArgs&) { seen.push_back(button.pressed()); }});
    def.bindings.push_back({"选择框打钩44_1", Event::Clicked,
                            [&](const EventArgs&) { seen.push_back(box.checked()); }});
    auto window = CreateWindow(def);
    button = window->unit("超级按钮_全屏");
    box = window->unit("选择框打钩44_1");
    window->unit("高级选择夹1").setCurrentPage(1);
    click(button);
    click(button);
    click(box);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
}

TEST_F(WindowTest, HiddenAndDisabledUnitsGetNoPresses) {
    WindowDef def = sampleWindow();
    std::vector<std::string> pressed;
    for (const char* name : {"透明标签页二_1", "透明标签页二_2"}) {
        def.bindings.push_back({name, Event::LeftPressed, [&pressed, name](const EventArgs& a) {
                                    pressed.push_back(name + std::string("@") +
                                                      std::to_string(a.x) + "," +
                                                      std::to_string(a.y));
                                }});
    }
    // A disabled cover over the whole page lets clicks through to the units
    // below it; enabled, it takes them.
    UnitDef cover = unitDef("透明标签_遮盖", Kind::TransLabel, {0, 0, 800, 540}, "图片框底图2");
    cover.disabled = true;
    def.units.push_back(cover);
    def.bindings.push_back({"透明标签_遮盖", Event::LeftPressed,
                            [&pressed](const EventArgs&) { pressed.push_back("cover"); }});
    auto window = CreateWindow(def);
    clickAt(*window, QPoint(50, 20));
    clickAt(*window, QPoint(50, 50));
    window->unit("透明标签_遮盖").setDisabled(false);
    clickAt(*window, QPoint(50, 20));
    window->unit("透明标签_遮盖").setVisible(false);
    window->unit("透明标签页二_1").setDisabled(true);
    clickAt(*window, QPoint(50, 20));
    EXPECT_EQ(pressed, (std::vector<std::string>{"透明标签页二_1@40,10", "cover"}));
}

TEST_F(WindowTest, PressesAndMovesReachOnlyTheUnitUnderThePointer) {
    WindowDef def;
    def.units = {unitDef("画板1", Kind::DrawPanel, {0, 0, 400, 300}),
                 unitDef("进度条1", Kind::ProcessBar, {10, 10, 100, 20}, "画板1"),
                 unitDef("透明标签1", Kind::TransLabel, {10, 50, 100, 20}, "画板1")};
    std::vector<std::string> seen;
    for (const char* name : {"画板1", "进度条1", "透明标签1"}) {
        for (const Event event : {Event::LeftPressed, Event::MouseMoved}) {
            def.bindings.push_back({name, event, [&seen, name, event](const EventArgs& a) {
                                        seen.push_back(
                                            std::string(name) +
                                            (event == Event::LeftPressed ? " press " : " move ") +
                                            std::to_string(a.x) + "," + std::to_string(a.y));
                                    }});
        }
    }
    auto window = CreateWindow(def);
    struct Case {
        QPoint at;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{20, 15}, {"进度条1 move 10,5", "进度条1 press 10,5"}},
        {{30, 60}, {"透明标签1 move 20,10", "透明标签1 press 20,10"}},
        {{200, 200}, {"画板1 move 200,200", "画板1 press 200,200"}},
    };
    for (const Case& c : cases) {
        seen.clear();
        moveAt(*window, c.at);
        clickAt(*window, c.at);
        EXPECT_EQ(seen, c.expected) << c.at.x() << "," << c.at.y();
    }
    // The second press of a double click is a press too.
    moveAt(*window, {30, 60});
    seen.clear();
    clickAt(*window, {30, 60});
    clickAt(*window, {30, 60});
    EXPECT_EQ(seen, (std::vector<std::string>(2, "透明标签1 press 20,10")));
}

TEST_F(WindowTest, EditBoxReportsEveryChangeAndEnter) {
    WindowDef def = sampleWindow();
    std::vector<std::string> contents;
    std::vector<int> keys;
    UnitRef edit;
    def.bindings.push_back({"编辑框10_1", Event::ContentChanged,
                            [&](const EventArgs&) { contents.push_back(captionOf(edit)); }});
    def.bindings.push_back(
        {"编辑框10_1", Event::KeyPressed, [&](const EventArgs& a) { keys.push_back(a.key); }});
    auto window = CreateWindow(def);
    edit = window->unit("编辑框10_1");
    type(edit, "44");
    pressKey(edit, Qt::Key_Return);
    edit.setText("4"_gbk);
    EXPECT_EQ(contents, (std::vector<std::string>{"4", "44", "4"}));
    EXPECT_EQ(keys, (std::vector<int>{'4', '4', 13}));
}

TEST_F(WindowTest, FontWritesOfTheSizeKeepTheFace) {
    auto window = CreateWindow(sampleWindow());
    UnitRef label = window->unit("标签_显示翻译");
    EXPECT_EQ(label.font(), Font{});
    EXPECT_EQ(label.font().face, "宋体");
    EXPECT_EQ(label.font().size, 9);
    label.setFontSize(15);
    EXPECT_EQ(label.font().size, 15);
    EXPECT_EQ(label.font().face, "宋体");
    EXPECT_EQ(label.widget()->font().pointSize(), 15);
}

TEST_F(WindowTest, ColoursHoldRedInTheLowByte) {
    EXPECT_EQ(Rgb(128, 128, 128), 0x808080);
    EXPECT_EQ(Rgb(0, 128, 0), 0x008000);
    EXPECT_EQ(Rgb(255, 0, 0), 0x0000FF);
    EXPECT_EQ(Rgb(128, 224, 0), 0x00E080);
    auto window = CreateWindow(sampleWindow());
    UnitRef label = window->unit("标签_显示翻译");
    label.setTextColor(Rgb(255, 0, 0));
    EXPECT_EQ(label.widget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(WindowTest, UnloadWindowLetsTheRestOfTheHandlerRun) {
    WindowDef def = sampleWindow();
    std::vector<std::string> steps;
    Window* self = nullptr;
    def.bindings.push_back({"超级按钮_全屏", Event::Clicked, [&](const EventArgs&) {
                                UnloadWindow(self);
                                steps.push_back(self->isVisible() ? "still open" : "closed");
                                self->unit("标签_显示翻译").setCaption("后"_gbk);
                                steps.push_back(captionOf(self->unit("标签_显示翻译")));
                            }});
    bool closed = false;
    auto window = CreateWindow(def);
    self = window.get();
    QObject::connect(self, &Window::closed, [&] { closed = true; });
    click(window->unit("超级按钮_全屏"));
    EXPECT_EQ(steps, (std::vector<std::string>{"still open", "后"}));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, AReferenceIntoAClosedWindowReadsEmpty) {
    auto window = CreateWindow(sampleWindow());
    UnitRef label = window->unit("标签_显示翻译");
    UnitRef combo = window->unit("组合框课程选择");
    UnitRef timer = window->unit("时钟1");
    window.reset();
    EXPECT_TRUE(label.isEmpty());
    EXPECT_EQ(label.caption(), Text());
    EXPECT_EQ(label.left(), 0);
    EXPECT_FALSE(label.visible());
    EXPECT_EQ(ItemData(combo, 0), -1);
    label.setCaption("写"_gbk);
    label.setLeft(10);
    label.setVisible(true);
    label.setFontSize(20);
    timer.setInterval(50);
    combo.setCurrentIndex(1);
    EXPECT_TRUE(FindUnits(label.window()).empty());
    EXPECT_TRUE(CloneUnit(label, {}).isEmpty());
    EXPECT_EQ(ground.clock.runningTimers(), 0);
}

TEST_F(WindowTest, CloneUnitMakesAHiddenCopyInTheContainer) {
    auto window = CreateWindow(sampleWindow());
    const UnitRef page = window->unit("图片框底图2");
    const UnitRef templateMark = window->unit("图片框_正确");
    templateMark.window()->unit("图片框_正确").setPicture(QByteArray("not a picture"));
    UnitRef copy = CloneUnit(templateMark, page);
    ASSERT_FALSE(copy.isEmpty());
    EXPECT_EQ(copy.kind(), Kind::PicBox);
    EXPECT_FALSE(copy.visible());
    EXPECT_EQ(copy.width(), 20);
    EXPECT_EQ(copy.widget()->parentWidget(), page.widget());
    EXPECT_EQ(copy.picture(), QByteArray("not a picture"));
    copy.setTag("90"_gbk);
    EXPECT_EQ(FindUnits(window.get(), "", "", 89, 91).size(), 2U);
    EXPECT_NE(copy.name(), templateMark.name());
}

TEST_F(WindowTest, BeginMoveDragLetsTheUnitFollowTheMouse) {
    WindowDef def = sampleWindow();
    def.bindings.push_back({"标签_显示翻译", Event::LeftPressed,
                            [](const EventArgs&) { BeginMoveDrag(EventUnit()); }});
    auto window = CreateWindow(def);
    UnitRef label = window->unit("标签_显示翻译");
    press(label, 5, 5);
    QMouseEvent move(QEvent::MouseMove, QPointF(45, 105), QPointF(45, 105), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label.widget(), &move);
    release(label, 45, 105);
    EXPECT_EQ(label.left(), 72 + 40);
    EXPECT_EQ(label.top(), 0 + 100);
    // Released: it stays where it was dropped.
    QMouseEvent after(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(label.widget(), &after);
    EXPECT_EQ(label.left(), 112);
}

TEST_F(WindowTest, ShowMessageDefaultsAndButtonCodes) {
    EXPECT_EQ(ShowMessage("已经第一页了！"_gbk), kOk);
    ground.platform.answers = {kYes};
    EXPECT_EQ(ShowMessage("是否提示正确答案？"_gbk, kYesNoQuestion, "答案不正确！"_gbk), kYes);
    EXPECT_EQ(ShowMessage(42), kOk);
    ASSERT_EQ(ground.platform.messages.size(), 3U);
    EXPECT_EQ(ground.platform.messages[0].caption, "信息：");
    EXPECT_EQ(ground.platform.messages[0].flags, 0);
    EXPECT_EQ(ground.platform.messages[1].flags, 0x24);
    EXPECT_EQ(ground.platform.messages[1].caption, "答案不正确！");
    EXPECT_EQ(ground.platform.messages[2].content, "42");
    EXPECT_EQ(std::vector<int>({kOk, kCancel, kAbort, kRetry, kIgnore, kYes, kNo}),
              std::vector<int>({0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(WindowTest, LoadWindowRunsItsOwnLoopAndTheOpenerGoesOn) {
    WindowDef child;
    child.name = "子窗口";
    child.units = {unitDef("超级按钮_关闭", Kind::SuperBtn, {10, 10, 40, 30})};
    child.bindings = {{"超级按钮_关闭", Event::Clicked,
                       [](const EventArgs&) { UnloadWindow(EventUnit().window()); }}};
    std::vector<std::string> steps;
    WindowDef opener = sampleWindow();
    opener.bindings.push_back({"超级按钮_全屏", Event::Clicked, [&](const EventArgs&) {
                                   steps.push_back("open");
                                   LoadWindow(child, nullptr, true);
                                   steps.push_back("back");
                               }});
    auto window = CreateWindow(opener);
    ground.platform.insideNextWindow.push_back([&](Window& shown) {
        steps.push_back("inside " + shown.name());
        EXPECT_TRUE(shown.isModal());
        click(shown.unit("超级按钮_关闭"));
    });
    click(window->unit("超级按钮_全屏"));
    EXPECT_EQ(steps, (std::vector<std::string>{"open", "inside 子窗口", "back"}));
}

TEST_F(WindowTest, AModalWindowBlocksInputToTheWindowsBehindIt) {
    WindowDef child;
    child.name = "子窗口";
    WindowDef opener;
    opener.name = "启动窗口";
    opener.units = {unitDef("超级按钮_打开", Kind::SuperBtn, {10, 10, 100, 40}),
                    unitDef("透明标签1", Kind::TransLabel, {10, 100, 100, 40})};
    int opened = 0;
    int pressedBehind = 0;
    opener.bindings = {
        {"超级按钮_打开", Event::Clicked,
         [&](const EventArgs&) {
             // Only once: a click that got through must fail the test, not hang it.
             if (++opened == 1) {
                 LoadWindow(child, nullptr, true);
             }
         }},
        {"透明标签1", Event::LeftPressed, [&](const EventArgs&) { ++pressedBehind; }}};
    auto window = CreateWindow(opener);
    QWidget* modalInside = nullptr;
    ground.platform.insideNextWindow.push_back([&](Window& shown) {
        modalInside = QApplication::activeModalWidget();
        for (int i = 0; i < 5; ++i) {
            clickAt(*window, QPoint(60, 30));
            clickAt(*window, QPoint(60, 120));
        }
        UnloadWindow(&shown);
    });
    clickAt(*window, QPoint(60, 30));
    EXPECT_NE(modalInside, nullptr);
    EXPECT_NE(modalInside, window.get());
    EXPECT_EQ(opened, 1) << "the window behind the modal one opened it again";
    EXPECT_EQ(pressedBehind, 0);
    // Back to the opener once the modal window has gone.
    clickAt(*window, QPoint(60, 120));
    EXPECT_EQ(pressedBehind, 1);
}

TEST_F(WindowTest, EndProgramGoesToThePlatform) {
    EndProgram(0);
    EXPECT_EQ(ground.platform.endCodes, std::vector<int>{0});
}

TEST_F(WindowTest, ScreenSizeComesFromThePlatform) {
    ground.platform.screen = QSize(1366, 768);
    EXPECT_EQ(ScreenWidth(), 1366);
    EXPECT_EQ(ScreenHeight(), 768);
}

} // namespace
