// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing a text list into English and Chinese lines. Suites are named
// "lists" so ctest -R lists picks them out.
#include "lists.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace {

using tk::operator""_gbk;
using tk::Text;
using tk::TextArray;

// Lines joined as the book joins them.
Text joinLines(std::initializer_list<Text> lines) {
    Text text;
    bool first = true;
    for (const Text& line : lines) {
        if (!first) {
            text += "\r\n";
        }
        first = false;
        text += line;
    }
    return text;
}

// A nine-item page, English and Chinese line per item.
Text ninePage() {
    return joinLines(
        {"Unit 4 Where is my ball?", "第四单元 我的球在哪里？"_gbk, "Where is my ball, Mum?",
         "妈妈，我的球在哪里？"_gbk, "Is it in the box?", "它在盒子里吗？"_gbk, "No, it isn't.",
         "不，不在。"_gbk, "Is it under the chair?", "它在椅子下面吗？"_gbk, "Yes, it is!",
         "是的，在那儿！"_gbk, "ball", "球"_gbk, "box", "盒子"_gbk, "chair", "椅子"_gbk});
}

TEST(lists, EmptyTextDealsTwoEmptyArrays) {
    const DealtLists lists = dealLines("");
    EXPECT_TRUE(lists.english.empty());
    EXPECT_TRUE(lists.chinese.empty());
}

TEST(lists, FinalLineBreakDealsLikeNone) {
    const Text page = ninePage();
    for (const Text& text : {page, page + "\r\n"}) {
        SCOPED_TRACE(text.size());
        const DealtLists lists = dealLines(text);
        ASSERT_EQ(lists.english.size(), 9u);
        ASSERT_EQ(lists.chinese.size(), 9u);
        EXPECT_EQ(lists.english.front(), "Unit 4 Where is my ball?");
        EXPECT_EQ(lists.chinese.front(), "第四单元 我的球在哪里？"_gbk);
        EXPECT_EQ(lists.english.back(), "chair");
        EXPECT_EQ(lists.chinese.back(), "椅子"_gbk);
    }
}

TEST(lists, DealingAlternatesLines) {
    struct Case {
        const char* name;
        Text text;
        TextArray english;
        TextArray chinese;
    };
    const Case cases[] = {
        {"one item", joinLines({"Hello!", "你好！"_gbk}), {"Hello!"}, {"你好！"_gbk}},
        // The empty third line is an item's English line: the pairs after it
        // stay together.
        {"empty line keeps the pairing",
         "Hi!\r\n" + "嗨！"_gbk + "\r\n\r\n" + "（空）"_gbk + "\r\nBye!\r\n" + "再见！"_gbk,
         {"Hi!", "", "Bye!"},
         {"嗨！"_gbk, "（空）"_gbk, "再见！"_gbk}},
        {"placeholder keeps its position",
         joinLines({"Let's chant", "说唱"_gbk, "$", "$", "apple", "苹果"_gbk}),
         {"Let's chant", "$", "apple"},
         {"说唱"_gbk, "$", "苹果"_gbk}},
        {"odd line count leaves English one longer",
         joinLines({"pear", "梨"_gbk, "grape"}),
         {"pear", "grape"},
         {"梨"_gbk}},
        {"only a line break", "\r\n", {""}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DealtLists lists = dealLines(c.text);
        EXPECT_EQ(lists.english, c.english);
        EXPECT_EQ(lists.chinese, c.chinese);
    }
}

TEST(lists, DealingIntoArraysReplacesThem) {
    TextArray english = {"old", "older", "oldest"};
    TextArray chinese = {"旧"_gbk};
    dealLines(joinLines({"bird", "鸟"_gbk, "bear", "熊"_gbk}), english, chinese);
    EXPECT_EQ(english, (TextArray{"bird", "bear"}));
    EXPECT_EQ(chinese, (TextArray{"鸟"_gbk, "熊"_gbk}));

    dealLines("", english, chinese);
    EXPECT_TRUE(english.empty());
    EXPECT_TRUE(chinese.empty());
}

TEST(lists, NotesInFullWidthBracketsAreRemoved) {
    struct Case {
        const char* text; // UTF-8
        const char* shown;
    };
    const Case cases[] = {
        {"在哪里（疑问词）", "在哪里"},
        {"我（宾格）", "我"},
        {"帽子（有檐的）", "帽子"},
        {"父亲；爸爸", "父亲；爸爸"},
        {"（口语）妈妈", "妈妈"},
        {"甲（一）乙（二）丙", "甲乙丙"},
        // Through the first closing bracket after the first opening one.
        {"（（甲））", "）"},
        {"甲（乙", "甲（乙"},
        {"甲）乙", "甲）乙"},
        {"甲）乙（丙", "甲）乙（丙"},
        {"甲）乙（丙）", "甲）乙"},
        {"（）", ""},
        {"from (here)", "from (here)"},
        // The bracket bytes across two characters are no bracket.
        {"埃ā埃─", "埃ā埃─"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(withoutNotes(tk::toGbk(c.text)), tk::toGbk(c.shown)) << c.text;
    }
}

} // namespace
