// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh reader on the test ground with its word-drill page open, and the
// child's ways of working the drill.

#include "catalogue.h"
#include "lists.h"
#include "reader_fixture.h"
#include "support/ground.h"

#include <QComboBox>
#include <string>
#include <vector>

namespace drill_tests {

// A unit's words, meanings and word clips, as the book deals them.
struct UnitWords {
    int unit = 0;
    tk::TextArray words;
    tk::TextArray meanings;
    tk::ClipList clips;
};

inline UnitWords unitWords(int unit) {
    UnitWords found;
    found.unit = unit;
    dealLines(content::wordList(unit), found.words, found.meanings);
    found.clips = content::wordClips(unit);
    return found;
}

class DrillTest : public reader_tests::ReaderTest {
  protected:
    void SetUp() override {
        ReaderTest::SetUp();
        clickUnit("超级按钮_背单词");
        ground.sound.forget();
    }

    drill::DrillState& drill() const { return reader_tests::opener().drill; }

    void chooseUnit(int unitNumber) const {
        testing_ground::pick(unit("组合框_背单词课时选择"), unitNumber - 1);
    }
    void chooseRandomOrder() const { testing_ground::pick(unit("组合框_背单词顺序选择"), 1); }
    void chooseTextbookOrder() const { testing_ground::pick(unit("组合框_背单词顺序选择"), 0); }
    void start() const { clickUnit("超级按钮b_开始"); }
    tk::UnitRef answerBox() const { return unit("编辑框背单词"); }
    void type(const tk::Text& text) const { testing_ground::type(answerBox(), tk::toUtf8(text)); }
    void confirm() const { clickUnit("超级按钮b_确定背单词"); }
    void pressEnter() const { testing_ground::pressKey(answerBox(), Qt::Key_Return); }
    void skip() const { clickUnit("超级按钮b_下一题"); }
    void listenAgain() const { clickUnit("超级按钮b_再听一遍"); }

    std::string status() const { return testing_ground::captionOf(unit("透明标签单词总数和错误")); }
    std::string sign() const { return testing_ground::captionOf(unit("透明标签_对错判断")); }
    tk::Text meaningShown() const { return unit("透明标签_背单词的汉语翻译").caption(); }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& message : ground.platform.messages) {
            texts.push_back(message.content);
        }
        return texts;
    }

    // Where the drill stands: asking (answering possible) or not.
    void expectAsking() const {
        EXPECT_TRUE(unit("超级按钮b_开始").disabled());
        EXPECT_TRUE(answerBox().visible());
        EXPECT_FALSE(answerBox().disabled());
        for (const char* name :
             {"超级按钮b_再听一遍", "超级按钮b_确定背单词", "超级按钮b_下一题"}) {
            EXPECT_FALSE(unit(name).disabled()) << name;
        }
        EXPECT_FALSE(unit("编辑框错误记录").visible());
    }
    void expectFinished() const {
        EXPECT_FALSE(unit("超级按钮b_开始").disabled());
        EXPECT_FALSE(answerBox().visible());
        for (const char* name :
             {"超级按钮b_再听一遍", "超级按钮b_确定背单词", "超级按钮b_下一题"}) {
            EXPECT_TRUE(unit(name).disabled()) << name;
        }
        EXPECT_TRUE(unit("编辑框错误记录").visible());
    }
    void expectReady() const {
        EXPECT_FALSE(unit("超级按钮b_开始").disabled());
        EXPECT_TRUE(answerBox().visible());
        for (const char* name :
             {"超级按钮b_再听一遍", "超级按钮b_确定背单词", "超级按钮b_下一题"}) {
            EXPECT_TRUE(unit(name).disabled()) << name;
        }
        EXPECT_FALSE(unit("编辑框错误记录").visible());
    }
};

} // namespace drill_tests
