// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The drill panel as it is defined and laid out on the drill page, in
// normal and in full-screen mode.
#include "drill_fixture.h"
#include "reader/page_names.h"
#include "unit_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using drill_tests::DrillTest;

namespace {

struct PanelUnit {
    const char* name;
    tk::Kind kind;
    tk::Rect rect;
    bool enabled;
    bool visible;
    int fontSize; // as defined; the layout gives edit boxes 15 points
    int colour;
};

constexpr int kRed = tk::Rgb(255, 0, 0);

const PanelUnit kPanel[] = {
    {"超级按钮b_开始", tk::Kind::SuperBtn, {140, 400, 60, 40}, true, true, 9, tk::kNoColour},
    {"超级按钮b_再听一遍", tk::Kind::SuperBtn, {250, 400, 100, 40}, false, true, 9, tk::kNoColour},
    {"超级按钮b_下一题", tk::Kind::SuperBtn, {400, 400, 100, 40}, false, true, 9, tk::kNoColour},
    {"超级按钮b_确定背单词", tk::Kind::SuperBtn, {632, 205, 60, 40}, false, true, 9, tk::kNoColour},
    {"超级按钮b_退出背单词", tk::Kind::SuperBtn, {712, 400, 40, 40}, true, true, 9, tk::kNoColour},
    {"组合框_背单词课时选择",
     tk::Kind::ComboBox,
     {124, 97, 144, 29},
     true,
     true,
     16,
     tk::kNoColour},
    {"组合框_背单词顺序选择",
     tk::Kind::ComboBox,
     {324, 96, 123, 29},
     true,
     true,
     16,
     tk::kNoColour},
    {"选择框_是否显示中文", tk::Kind::CheckBox, {490, 98, 161, 24}, true, true, 16, tk::kNoColour},
    {"透明标签单词总数和错误", tk::Kind::TransLabel, {198, 145, 478, 48}, true, true, 22, kRed},
    {"编辑框背单词", tk::Kind::EditBox, {196, 197, 312, 48}, false, true, 16, tk::kNoColour},
    {"编辑框错误记录", tk::Kind::EditBox, {194, 197, 312, 188}, true, false, 16, tk::kNoColour},
    {"透明标签_对错判断", tk::Kind::TransLabel, {534, 200, 44, 40}, true, true, 22, kRed},
    {"透明标签_背单词的汉语翻译",
     tk::Kind::TransLabel,
     {195, 261, 391, 48},
     true,
     true,
     22,
     tk::Rgb(0, 0, 0)},
};

const tk::UnitDef* definitionOf(const std::string& name) {
    for (const tk::UnitDef& def : reader::readerWindow().units) {
        if (def.name == name) {
            return &def;
        }
    }
    return nullptr;
}

TEST_F(DrillTest, EveryPanelUnitLiesOnTheDrillPictureAsDefined) {
    const QWidget* picture = unit("图片框底图背单词").widget();
    for (const PanelUnit& expected : kPanel) {
        const tk::UnitRef found = unit(expected.name);
        ASSERT_FALSE(found.isEmpty()) << expected.name;
        EXPECT_EQ(found.kind(), expected.kind) << expected.name;
        EXPECT_EQ(found.widget()->parentWidget(), picture) << expected.name;
        EXPECT_EQ(found.left(), expected.rect.left) << expected.name;
        EXPECT_EQ(found.top(), expected.rect.top) << expected.name;
        EXPECT_EQ(found.width(), expected.rect.width) << expected.name;
        EXPECT_EQ(found.height(), expected.rect.height) << expected.name;
        EXPECT_EQ(found.disabled(), !expected.enabled) << expected.name;
        EXPECT_EQ(found.visible(), expected.visible) << expected.name;
        EXPECT_EQ(found.textColor(), expected.colour) << expected.name;
        EXPECT_EQ(found.font().face, "宋体") << expected.name;
        const tk::UnitDef* def = definitionOf(expected.name);
        ASSERT_NE(def, nullptr) << expected.name;
        EXPECT_EQ(def->font.size, expected.fontSize) << expected.name;
        if (expected.kind == tk::Kind::SuperBtn) {
            // Picture only: the face carries the lettering.
            EXPECT_FALSE(found.picture().isEmpty()) << expected.name;
            EXPECT_TRUE(found.caption().empty()) << expected.name;
        } else if (expected.kind == tk::Kind::EditBox) {
            EXPECT_EQ(found.font().size, 15) << expected.name;
            EXPECT_EQ(found.backgroundColor(), tk::Rgb(128, 224, 0)) << expected.name;
            EXPECT_TRUE(found.text().empty()) << expected.name;
        } else {
            EXPECT_EQ(found.font().size, expected.fontSize) << expected.name;
        }
        if (expected.kind == tk::Kind::TransLabel) {
            EXPECT_TRUE(found.caption().empty()) << expected.name;
        }
    }
    EXPECT_EQ(tk::FindUnits(window.get(), "超级按钮b").size(), 5U);
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(unit("编辑框错误记录").widget()), nullptr);
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(answerBox().widget()), nullptr);
}

TEST_F(DrillTest, ListsAndTheCheckBoxStartAsDefined) {
    const tk::UnitRef units = unit("组合框_背单词课时选择");
    ASSERT_EQ(units.itemCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tk::ItemText(units, i), "Unit " + std::to_string(i + 1));
        EXPECT_EQ(tk::ItemData(units, i), i + 1);
    }
    EXPECT_EQ(units.currentIndex(), 0);
    const tk::UnitRef order = unit("组合框_背单词顺序选择");
    ASSERT_EQ(order.itemCount(), 2);
    EXPECT_EQ(tk::toUtf8(tk::ItemText(order, 0)), "课本顺序");
    EXPECT_EQ(tk::ItemData(order, 0), 1);
    EXPECT_EQ(tk::toUtf8(tk::ItemText(order, 1)), "随机顺序");
    EXPECT_EQ(tk::ItemData(order, 1), 2);
    EXPECT_EQ(order.currentIndex(), 0);
    for (const char* name : {"组合框_背单词课时选择", "组合框_背单词顺序选择"}) {
        auto* combo = qobject_cast<QComboBox*>(unit(name).widget());
        ASSERT_NE(combo, nullptr);
        EXPECT_FALSE(combo->isEditable()) << name;
    }
    const tk::UnitRef showMeaning = unit("选择框_是否显示中文");
    EXPECT_EQ(testing_ground::captionOf(showMeaning), "是否显示中文");
    EXPECT_FALSE(showMeaning.checked());
}

class FullScreenDrillTest : public DrillTest {
  protected:
    void SetUp() override {
        reader_tests::freshProgram();
        ground.platform.screen = {1280, 800};
        reader_tests::opener().display.fullScreen = true;
        window = tk::CreateWindow(reader::readerWindow());
        clickUnit("超级按钮_背单词");
    }
};

TEST_F(FullScreenDrillTest, ButtonsListsAndTheCheckBoxMoveAndOthersScale) {
    // 1280 x 800: x by 1.6, y by 740 / 540, truncated.
    struct Case {
        const char* name;
        tk::Rect rect;
    };
    const Case cases[] = {
        {"超级按钮b_开始", {224, 548, 60, 40}},
        {"超级按钮b_再听一遍", {400, 548, 100, 40}},
        {"超级按钮b_下一题", {640, 548, 100, 40}},
        {"超级按钮b_确定背单词", {1011, 280, 60, 40}},
        {"超级按钮b_退出背单词", {1139, 548, 40, 40}},
        {"组合框_背单词课时选择", {198, 132, 144, 29}},
        {"组合框_背单词顺序选择", {518, 131, 123, 29}},
        {"选择框_是否显示中文", {784, 134, 161, 24}},
        {"透明标签单词总数和错误", {316, 198, 764, 65}},
        {"编辑框背单词", {313, 269, 499, 65}},
        {"编辑框错误记录", {310, 269, 499, 257}},
        {"透明标签_对错判断", {854, 274, 70, 54}},
        {"透明标签_背单词的汉语翻译", {312, 357, 625, 65}},
    };
    for (const Case& c : cases) {
        const tk::UnitRef found = unit(c.name);
        EXPECT_EQ(found.left(), c.rect.left) << c.name;
        EXPECT_EQ(found.top(), c.rect.top) << c.name;
        EXPECT_EQ(found.width(), c.rect.width) << c.name;
        EXPECT_EQ(found.height(), c.rect.height) << c.name;
    }
    EXPECT_EQ(unit("图片框底图背单词").width(), 1280);
    EXPECT_EQ(unit("图片框底图背单词").height(), 767);
}

} // namespace
