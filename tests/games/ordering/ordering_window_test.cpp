// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The sentence-ordering window as it is defined, and a sentence laid out on
// it: the words' labels, their widths and gaps, the clip and the
// translation.
#include "ordering_fixture.h"
#include "unit_widgets.h"

#include <QCheckBox>
#include <gtest/gtest.h>
#include <map>

using ordering_tests::OrderingTest;
using namespace ordering_tests;
using testing_ground::captionOf;

namespace {

struct Expected {
    const char* name;
    tk::Kind kind;
    tk::Rect rect; // in the window's coordinates
    bool visible;
    int fontSize;
    int colour;
    const char* caption;
};

constexpr int kNone = tk::kNoColour;

const Expected kUnits[] = {
    {"图片框排序的背景", tk::Kind::PicBox, {0, -2, 800, 600}, true, 9, kNone, ""},
    {"分组框_随机的单词", tk::Kind::GroupBox, {16, 152, 768, 55}, true, 9, kNone, ""},
    {"透明标签p_汉语翻译", tk::Kind::TransLabel, {32, 242, 736, 49}, false, 16, kBlue, ""},
    {"分组框_边线4", tk::Kind::GroupBox, {16, 234, 768, 2}, false, 9, kNone, ""},
    {"分组框_边线3", tk::Kind::GroupBox, {18, 295, 768, 2}, false, 9, kNone, ""},
    {"分组框_竖边线4", tk::Kind::GroupBox, {16, 236, 2, 60}, false, 9, kNone, ""},
    {"分组框_竖边线3", tk::Kind::GroupBox, {782, 235, 2, 60}, false, 9, kNone, ""},
    {"透明标签p_排列好的",
     tk::Kind::TransLabel,
     {25, 322, 768, 49},
     true,
     16,
     kBlack,
     "请按照你认为正确的单词顺序单击上面单词，然后看看我什么变化哦..."},
    {"分组框_边线1", tk::Kind::GroupBox, {18, 316, 768, 2}, true, 9, kNone, ""},
    {"分组框_边线2", tk::Kind::GroupBox, {20, 374, 768, 2}, true, 9, kNone, ""},
    {"分组框_竖边线1", tk::Kind::GroupBox, {18, 316, 2, 60}, true, 9, kNone, ""},
    {"分组框_竖边线2", tk::Kind::GroupBox, {784, 317, 2, 60}, true, 9, kNone, ""},
    {"选择框_排序读音开关", tk::Kind::CheckBox, {127, 407, 88, 24}, true, 9, kNone, "读音关"},
    {"选择框_排序汉语翻译开关",
     tk::Kind::CheckBox,
     {240, 407, 88, 24},
     true,
     9,
     kNone,
     "汉语翻译关"},
    {"超级按钮_排序开始", tk::Kind::SuperBtn, {120, 446, 64, 40}, true, 15, kNone, "下一题"},
    {"超级按钮_再听一遍", tk::Kind::SuperBtn, {222, 446, 82, 40}, true, 15, kNone, "再听一遍"},
    {"超级按钮_重做", tk::Kind::SuperBtn, {330, 446, 64, 40}, false, 15, kNone, "重做"},
    {"超级按钮_提交答案", tk::Kind::SuperBtn, {426, 446, 64, 40}, true, 15, kNone, "确定"},
    {"超级按钮_答案", tk::Kind::SuperBtn, {530, 446, 64, 40}, true, 15, kNone, "答案"},
    {"超级按钮_提交答案1", tk::Kind::SuperBtn, {712, 446, 64, 40}, true, 15, kNone, "返回"},
};

// Where a unit lies in the window, whatever its container.
tk::Rect inWindow(const tk::UnitRef& unit) {
    const QWidget* widget = unit.widget();
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return {at.x(), at.y(), widget->width(), widget->height()};
}

// A page without a sentence to ask: nothing is laid out and the window
// stays as built.
common::PageLists quietPage() {
    return fakePage({{"boy", "男孩"}, {"$", "$"}});
}

TEST_F(OrderingTest, EveryUnitLiesOnTheBackgroundAsDefined) {
    open(quietPage());
    EXPECT_EQ(window->geometry(), QRect(50, 50, 800, 600));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    const QWidget* background = unit("图片框排序的背景").widget();
    for (const Expected& e : kUnits) {
        const tk::UnitRef found = unit(e.name);
        ASSERT_FALSE(found.isEmpty()) << e.name;
        EXPECT_EQ(found.kind(), e.kind) << e.name;
        EXPECT_EQ(inWindow(found), e.rect) << e.name;
        if (found.widget() != background) {
            EXPECT_TRUE(background->isAncestorOf(found.widget())) << e.name;
        }
        EXPECT_EQ(found.visible(), e.visible) << e.name;
        EXPECT_EQ(found.font().size, e.fontSize) << e.name;
        EXPECT_EQ(found.font().face, "宋体") << e.name;
        EXPECT_EQ(found.textColor(), e.colour) << e.name;
        EXPECT_EQ(captionOf(found), e.caption) << e.name;
    }
    for (const char* button : {"超级按钮_排序开始", "超级按钮_再听一遍", "超级按钮_重做",
                               "超级按钮_提交答案", "超级按钮_答案", "超级按钮_提交答案1"}) {
        EXPECT_EQ(unit(button).hint(), unit(button).caption()) << button;
    }
    for (const char* box : {"选择框_排序读音开关", "选择框_排序汉语翻译开关"}) {
        EXPECT_TRUE(unit(box).checked()) << box;
    }
}

TEST_F(OrderingTest, TheTenWordLabelsLieInTheWordFrameTaggedByNumber) {
    open(quietPage());
    const QWidget* frame = unit("分组框_随机的单词").widget();
    for (int k = 1; k <= 10; ++k) {
        const tk::UnitRef word = label(k);
        ASSERT_FALSE(word.isEmpty()) << k;
        EXPECT_EQ(word.kind(), tk::Kind::TransLabel) << k;
        EXPECT_EQ(word.widget()->parentWidget(), frame) << k;
        EXPECT_EQ(word.left(), 10) << k;
        EXPECT_EQ(word.top(), 13) << k;
        EXPECT_EQ(word.height(), 30) << k;
        EXPECT_EQ(inWindow(word).left, 26) << k;
        EXPECT_EQ(inWindow(word).top, 165) << k;
        EXPECT_EQ(word.tag(), std::to_string(100 + k)) << k;
        EXPECT_EQ(tk::FindUnitByTag(window.get(), 100 + k), word) << k;
        EXPECT_EQ(word.font().size, 14) << k;
        EXPECT_EQ(word.textColor(), kBlack) << k;
        EXPECT_FALSE(word.visible()) << k;
    }
}

TEST_F(OrderingTest, TheBackgroundIsDecodedOnceForEveryWindow) {
    open(quietPage());
    const auto* first = qobject_cast<tk::PictureBox*>(unit("图片框排序的背景").widget());
    ASSERT_NE(first, nullptr);
    ASSERT_FALSE(first->image().isNull());
    EXPECT_EQ(first->image().size(), QSize(800, 600));
    const qint64 key = first->image().cacheKey();
    open(quietPage());
    const auto* second = qobject_cast<tk::PictureBox*>(unit("图片框排序的背景").widget());
    EXPECT_EQ(second->image().cacheKey(), key);
}

TEST_F(OrderingTest, ASentenceIsLaidOutWithItsClipAndItsTranslation) {
    open(fakePage(
        {{"Unit 2 My family", "第二单元　我的家庭"}, {"Thank you.", "谢谢。"}, {"$", "$"}}));
    ASSERT_EQ(shownLabels().size(), 2u);
    const bool inOrder = captionOf(label(1)) == "Thank";
    EXPECT_EQ(captionOf(label(inOrder ? 2 : 1)), "you.");
    // 13 pixels a byte; the second label 20 pixels after the first.
    const std::map<std::string, int> widths = {{"Thank", 65}, {"you.", 52}};
    EXPECT_EQ(label(1).width(), widths.at(captionOf(label(1))));
    EXPECT_EQ(label(2).width(), widths.at(captionOf(label(2))));
    EXPECT_EQ(label(1).left(), 10);
    EXPECT_EQ(label(2).left(), inOrder ? 95 : 82);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(label(k).font().size, 14) << k;
        EXPECT_EQ(label(k).font().face, "宋体") << k;
        EXPECT_EQ(label(k).textColor(), kBlack) << k;
    }
    EXPECT_EQ(ground.sound.played(), std::vector<tk::Clip>{state.lists.clips[1]});
    EXPECT_EQ(ground.sound.stops(), 1) << "silence comes first";
    EXPECT_TRUE(translation().visible());
    EXPECT_EQ(captionOf(translation()), "谢谢。");
    EXPECT_TRUE(translationBoxShown());
    EXPECT_EQ(arranged(), instruction());
    EXPECT_EQ(arrangedLine().textColor(), kBlack);
}

TEST_F(OrderingTest, ANineWordSentenceFillsLabelsOneToNineAndLabelTenStaysHidden) {
    const std::string nine = "I can see one two three four big pandas.";
    open(fakePage({{"one two three four five six seven eight nine ten", "十个词"},
                   {nine, "九个词"},
                   {"pandas", "熊猫"}}));
    for (int k = 1; k <= 9; ++k) {
        EXPECT_TRUE(label(k).visible()) << k;
    }
    EXPECT_FALSE(label(10).visible());
    tk::TextArray words = shownWords();
    tk::TextArray expected = tk::SplitText(nine, " ");
    std::sort(words.begin(), words.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(words, expected);
    // Every label begins where the one before ends, 20 pixels on.
    for (int k = 2; k <= 9; ++k) {
        EXPECT_EQ(label(k).left(), label(k - 1).left() + label(k - 1).width() + 20) << k;
        EXPECT_EQ(label(k).width(), 13 * tk::TextLength(label(k).caption())) << k;
    }
    EXPECT_EQ(captionOf(translation()), "九个词");
}

// Every lesson page asks one of its own sentences of 2 to 9 words, with its
// clip and its Chinese line; book page 12, with a clip more than items, too.
TEST_F(OrderingTest, EveryLessonPageAsksOneOfItsSentences) {
    for (int page = 2; page <= 68; page += 2) {
        ground.sound.forget();
        open(bookPage(page));
        const int item = askedItem();
        ASSERT_GE(item, 1) << "book page " << page << " played no clip of its own";
        const tk::Text sentence = state.lists.english[static_cast<std::size_t>(item - 1)];
        tk::TextArray words = shownWords();
        tk::TextArray expected = tk::SplitText(sentence, " ");
        EXPECT_GE(expected.size(), 2u) << "book page " << page;
        EXPECT_LE(expected.size(), 9u) << "book page " << page;
        std::sort(words.begin(), words.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(words, expected) << "book page " << page;
        EXPECT_EQ(translation().caption(), state.lists.chinese[static_cast<std::size_t>(item - 1)])
            << "book page " << page;
    }
    EXPECT_EQ(bookPage(12).clips.size(), 9u);
    EXPECT_EQ(bookPage(12).english.size(), 8u);
}

} // namespace
