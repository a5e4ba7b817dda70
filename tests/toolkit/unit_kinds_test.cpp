// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Unit kinds the game windows need: the multi-line edit box, colours that
// show on check boxes and drop-down lists, check boxes ticked at start, the
// closed event and windows without a frame.
#include "support/ground.h"
#include "window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>
#include <gtest/gtest.h>

using namespace tk;

namespace {

class UnitKindsTest : public testing_ground::GroundTest {};

TEST_F(UnitKindsTest, AMultiLineEditBoxHoldsCrLfLinesAndScrollsThem) {
    WindowDef def;
    UnitDef box = unitDef("编辑框_错误情况", Kind::EditBox, {0, 0, 372, 220});
    box.multiLine = true;
    box.font.size = 20;
    def.units = {box};
    int changes = 0;
    def.bindings = {
        {"编辑框_错误情况", Event::ContentChanged, [&](const EventArgs&) { ++changes; }}};
    const auto window = CreateWindow(def);
    UnitRef unit = window->unit("编辑框_错误情况");
    Text twenty;
    for (int line = 1; line <= 20; ++line) {
        twenty += "word" + std::to_string(line) + "\r\n";
    }
    unit.setText(twenty);
    EXPECT_EQ(unit.text(), twenty);
    auto* lines = qobject_cast<QPlainTextEdit*>(unit.widget());
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->document()->blockCount(), 21);
    EXPECT_GT(lines->verticalScrollBar()->maximum(), 0) << "twenty lines fit in 220 pixels";
    EXPECT_TRUE(lines->verticalScrollBar()->isVisible());
    EXPECT_GT(changes, 0);

    unit.setText({});
    lines->setFocus();
    testing_ground::type(unit, "ab");
    testing_ground::pressKey(unit, Qt::Key_Return);
    testing_ground::type(unit, "c");
    EXPECT_EQ(unit.text(), "ab\r\nc");
}

// The share of a widget's pixels that pass a test; styles shade a colour, so
// the tests ask for a hue, not for the exact value.
double shareOf(QWidget* widget, bool (*passes)(const QColor&)) {
    const QImage image = widget->grab().toImage();
    int passing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            passing += passes(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return static_cast<double>(passing) / (image.width() * image.height());
}

bool green(const QColor& c) {
    return c.green() - std::max(c.red(), c.blue()) > 60;
}

bool white(const QColor& c) {
    return std::min({c.red(), c.green(), c.blue()}) > 220;
}

TEST_F(UnitKindsTest, TextAndBackgroundColoursShowOnCheckBoxesAndDropDownLists) {
    WindowDef def;
    UnitDef check = unitDef("选择框_读音", Kind::CheckBox, {10, 10, 160, 30});
    check.caption = "读音关读音关读音关";
    UnitDef combo = unitDef("组合框_课时选择", Kind::ComboBox, {10, 60, 160, 30});
    combo.items = {{"Unit 1 Unit 1 Unit 1", 1}};
    combo.currentIndex = 0;
    for (UnitDef* unit : {&check, &combo}) {
        unit->font.size = 16;
        unit->textColor = Rgb(255, 255, 255);
        unit->backgroundColor = Rgb(0, 128, 0);
    }
    def.units = {check, combo};
    const auto window = CreateWindow(def);
    for (const char* name : {"选择框_读音", "组合框_课时选择"}) {
        QWidget* widget = window->unit(name).widget();
        EXPECT_GT(shareOf(widget, green), 0.5) << name << ": no green background";
        EXPECT_GT(shareOf(widget, white), 0.03) << name << ": no white text";
    }
}

// The games' switches start ticked; a click then unticks them before their
// handler runs.
TEST_F(UnitKindsTest, ACheckBoxStartsTickedOrNotAsDefined) {
    WindowDef def;
    UnitDef ticked = unitDef("选择框_排序读音开关", Kind::CheckBox, {10, 10, 88, 24});
    ticked.caption = "读音关";
    ticked.checked = true;
    def.units = {ticked, unitDef("选择框_是否显示中文", Kind::CheckBox, {10, 40, 88, 24})};
    std::vector<bool> seen;
    def.bindings = {{"选择框_排序读音开关", Event::Clicked,
                     [&](const EventArgs&) { seen.push_back(EventUnit().checked()); }}};
    const auto window = CreateWindow(def);
    EXPECT_TRUE(window->unit("选择框_排序读音开关").checked());
    EXPECT_FALSE(window->unit("选择框_是否显示中文").checked());
    testing_ground::click(window->unit("选择框_排序读音开关"));
    EXPECT_EQ(seen, std::vector<bool>{false});
}

TEST_F(UnitKindsTest, TheClosedEventComesOnceWhenTheWindowCloses) {
    struct Case {
        const char* how;
        void (*close)(Window&);
    };
    const Case cases[] = {
        {"UnloadWindow", [](Window& w) { UnloadWindow(&w); }},
        {"the desktop", [](Window& w) { w.close(); }},
    };
    for (const Case& c : cases) {
        WindowDef def;
        def.units = {unitDef("编辑框1", Kind::EditBox, {0, 0, 100, 20})};
        std::vector<std::string> seen;
        def.bindings = {{"", Event::Closed, [&](const EventArgs&) {
                             seen.push_back("closed, box " +
                                            toUtf8(EventUnit().window()->unit("编辑框1").text()));
                         }}};
        const auto window = CreateWindow(def);
        window->unit("编辑框1").setText("kept");
        c.close(*window);
        c.close(*window);
        EXPECT_EQ(seen, std::vector<std::string>{"closed, box kept"}) << c.how;
        EXPECT_FALSE(window->isVisible()) << c.how;
    }
}

TEST_F(UnitKindsTest, AWindowWithoutTitleBarIsItsClientAreaAlone) {
    WindowDef def;
    def.left = 50;
    def.top = 50;
    def.titleBar = false;
    const auto window = CreateWindow(def);
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->geometry(), QRect(50, 50, 800, 600));
    def.titleBar = true;
    EXPECT_FALSE(CreateWindow(def)->windowFlags() & Qt::FramelessWindowHint);
}

} // namespace
