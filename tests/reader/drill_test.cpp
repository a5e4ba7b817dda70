// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Working the drill as a child does: starting, answering by button and by
// Enter, skipping, listening again, changing the unit or the order, leaving
// and coming back.
#include "drill_fixture.h"
#include "reader/page_names.h"

#include <QPlainTextEdit>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>

using drill_tests::DrillTest;
using drill_tests::unitWords;
using tk::operator""_gbk;
using Call = testing_ground::RecordingSound::Call;

namespace {

const char* const kFinished = "已经是本课时的最后一个单词了！";

std::vector<Call> stopThenPlay(tk::Clip clip) {
    std::vector<Call> calls{{Call::What::Stop, {}, false}};
    if (!clip.empty()) {
        calls.push_back({Call::What::Play, clip, false});
    }
    return calls;
}

// The unit whose list holds the word, and the word's number there.
std::pair<int, int> whereIs(const tk::Text& word) {
    for (int u = 1; u <= 6; ++u) {
        const tk::TextArray words = unitWords(u).words;
        const auto found = std::find(words.begin(), words.end(), word);
        if (found != words.end()) {
            return {u, static_cast<int>(found - words.begin()) + 1};
        }
    }
    return {0, 0};
}

TEST_F(DrillTest, TextbookOrderAsksEveryWordInTurnAndFinishesWithTheCount) {
    const drill_tests::UnitWords unit2 = unitWords(2);
    ASSERT_FALSE(unit2.words.empty());
    ASSERT_EQ(unit2.clips.size(), unit2.words.size());
    chooseUnit(2);
    start();
    expectAsking();
    EXPECT_EQ(answerBox().font().size, 22);
    EXPECT_EQ(window->focusWidget(), answerBox().widget());
    const std::size_t n = unit2.words.size();
    for (std::size_t k = 0; k < n; ++k) {
        // From the second word on, the confirm's own stop comes first.
        std::vector<Call> calls = stopThenPlay(unit2.clips[k]);
        if (k > 0) {
            calls.insert(calls.begin(), Call{Call::What::Stop, {}, false});
        }
        EXPECT_EQ(ground.sound.calls(), calls) << k;
        EXPECT_EQ(meaningShown(), unit2.meanings[k]) << k;
        EXPECT_EQ(status(), "Unit 2共" + std::to_string(n) + "个单词。目前错误0个");
        EXPECT_TRUE(ground.platform.messages.empty());
        ground.sound.forget();
        type(unit2.words[k]);
        confirm();
        EXPECT_EQ(sign(), "√") << k;
        EXPECT_TRUE(answerBox().text().empty());
    }
    EXPECT_EQ(messages(), std::vector<std::string>{kFinished});
    expectFinished();
    EXPECT_EQ(status(), "Unit 2共" + std::to_string(n) + "个单词。共错误0个");
    EXPECT_TRUE(unit("编辑框错误记录").text().empty());
    EXPECT_EQ(ground.sound.calls(), stopThenPlay({}));
}

TEST_F(DrillTest, RandomOrderAsksEveryWordOfTheUnitExactlyOnce) {
    const drill_tests::UnitWords unit1 = unitWords(1);
    const std::size_t n = unit1.words.size();
    ASSERT_GT(n, 2U);
    ground.clock.advance(4321);
    chooseRandomOrder();
    start();
    std::vector<int> asked;
    for (std::size_t question = 0; question < n; ++question) {
        ASSERT_EQ(ground.sound.playing().size(), 1U) << question;
        const auto found =
            std::find(unit1.clips.begin(), unit1.clips.end(), ground.sound.playing()[0].clip);
        ASSERT_NE(found, unit1.clips.end());
        const auto k = static_cast<std::size_t>(found - unit1.clips.begin());
        asked.push_back(static_cast<int>(k) + 1);
        EXPECT_EQ(meaningShown(), unit1.meanings[k]);
        type(unit1.words[k]);
        confirm();
        EXPECT_EQ(sign(), "√") << unit1.words[k];
    }
    expectFinished();
    EXPECT_EQ(status(), "Unit 1共" + std::to_string(n) + "个单词。共错误0个");
    std::vector<int> sorted = asked;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> all(n);
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(sorted, all);
}

TEST_F(DrillTest, OnlyTheExactWordIsRightAndEachMissIsRecorded) {
    const auto [unitNumber, k] = whereIs("teacher");
    ASSERT_GT(unitNumber, 0) << "the book has the word teacher";
    const drill_tests::UnitWords words = unitWords(unitNumber);
    const tk::Text meaning = words.meanings[static_cast<std::size_t>(k - 1)];
    struct Case {
        const char* typed;
        const char* sign;
    };
    const Case cases[] = {
        {"Teacher", "×"}, {"teacher ", "×"}, {" teacher", "×"},
        {"", "×"},        {"teach", "×"},    {"teacher", "√"},
    };
    for (const Case& c : cases) {
        chooseUnit(unitNumber);
        start();
        for (int skipped = 1; skipped < k; ++skipped) {
            skip();
        }
        ASSERT_EQ(drill().expectedWord, "teacher");
        const tk::TextArray skipped = drill().misses;
        type(c.typed);
        confirm();
        EXPECT_EQ(sign(), c.sign) << "'" << c.typed << "'";
        tk::TextArray misses = skipped;
        if (std::string(c.sign) == "×") {
            misses.push_back("teacher" + meaning + "\r\n");
        }
        EXPECT_EQ(drill().misses, misses) << "'" << c.typed << "'";
        EXPECT_EQ(drill().questionNumber, k + 1);
    }
}

TEST_F(DrillTest, ARightAnswerShowsItsSignWhileTheNextWordAlreadyPlays) {
    const drill_tests::UnitWords unit1 = unitWords(1);
    start();
    type(unit1.words[0]);
    ground.sound.forget();
    confirm();
    EXPECT_EQ(sign(), "√");
    EXPECT_EQ(meaningShown(), unit1.meanings[1]);
    // The confirm's own stop, then the next word's.
    std::vector<Call> expected{{Call::What::Stop, {}, false}};
    for (const Call& call : stopThenPlay(unit1.clips[1])) {
        expected.push_back(call);
    }
    EXPECT_EQ(ground.sound.calls(), expected);
    // A skip keeps the sign of the answer before.
    skip();
    EXPECT_EQ(sign(), "√");
    type("wrong");
    confirm();
    EXPECT_EQ(sign(), "×");
    EXPECT_EQ(status(), "Unit 1共" + std::to_string(unit1.meanings.size()) + "个单词。目前错误2个");
}

TEST_F(DrillTest, EnterInTheAnswerBoxConfirmsLikeTheButton) {
    const drill_tests::UnitWords unit1 = unitWords(1);
    start();
    // Letters only edit the answer.
    type(unit1.words[0]);
    EXPECT_EQ(drill().questionNumber, 1);
    EXPECT_EQ(answerBox().text(), unit1.words[0]);
    ground.sound.forget();
    pressEnter();
    EXPECT_EQ(sign(), "√");
    EXPECT_TRUE(answerBox().text().empty());
    EXPECT_EQ(drill().questionNumber, 2);
    EXPECT_EQ(ground.sound.playing().size(), 1U);
    EXPECT_EQ(ground.sound.lastPlayed(), unit1.clips[1]);
    type(unit1.words[0]);
    pressEnter();
    EXPECT_EQ(sign(), "×");
    EXPECT_EQ(drill().misses, tk::TextArray{unit1.words[1] + unit1.meanings[1] + "\r\n"});
    EXPECT_EQ(drill().questionNumber, 3);
}

TEST_F(DrillTest, AfterAChangeOfUnitOrOrderNothingAnswersUntilStart) {
    const drill_tests::UnitWords unit1 = unitWords(1);
    const drill_tests::UnitWords unit4 = unitWords(4);
    struct Case {
        const char* change;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"unit", [this] { chooseUnit(4); }},
        {"order", [this] { chooseRandomOrder(); }},
        {"same unit again", [this] { chooseUnit(1); }},
    };
    for (const Case& c : cases) {
        chooseUnit(1);
        chooseTextbookOrder();
        start();
        type("wrong");
        confirm();
        const tk::Text asked = meaningShown();
        const std::string shown = status();
        c.make();
        expectReady();
        EXPECT_FALSE(answerBox().disabled()) << c.change;
        EXPECT_TRUE(drill().misses.empty()) << c.change;

        ground.sound.forget();
        type(unit1.words[1]);
        pressEnter();
        confirm();
        skip();
        listenAgain();
        EXPECT_TRUE(ground.sound.calls().empty()) << c.change;
        EXPECT_EQ(sign(), "×") << c.change;
        EXPECT_EQ(meaningShown(), asked) << c.change;
        EXPECT_EQ(status(), shown) << c.change;
        EXPECT_EQ(drill().questionNumber, 2) << c.change;
        EXPECT_TRUE(ground.platform.messages.empty()) << c.change;
    }
    // The new choice takes effect at the start.
    chooseUnit(4);
    chooseTextbookOrder();
    start();
    EXPECT_EQ(meaningShown(), unit4.meanings[0]);
    EXPECT_EQ(ground.sound.lastPlayed(), unit4.clips[0]);
    EXPECT_EQ(status(), "Unit 4共" + std::to_string(unit4.meanings.size()) + "个单词。目前错误0个");
}

TEST_F(DrillTest, SkippingEveryWordOfTheNineWordUnitRecordsNineMisses) {
    int nineWords = 0;
    for (int u = 1; u <= 6 && nineWords == 0; ++u) {
        nineWords = unitWords(u).words.size() == 9 ? u : 0;
    }
    ASSERT_GT(nineWords, 0) << "the book has a unit of 9 words";
    const drill_tests::UnitWords words = unitWords(nineWords);
    chooseUnit(nineWords);
    start();
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(status(), "Unit " + std::to_string(nineWords) + "共9个单词。目前错误" +
                                std::to_string(k) + "个");
        skip();
    }
    EXPECT_EQ(messages(), std::vector<std::string>{kFinished});
    expectFinished();
    EXPECT_EQ(status(), "Unit " + std::to_string(nineWords) + "共9个单词。共错误9个");
    EXPECT_TRUE(sign().empty());

    const tk::Text record = unit("编辑框错误记录").text();
    const tk::TextArray lines = tk::SplitText(record, "\r\n");
    ASSERT_EQ(lines.size(), 18U);
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(lines[2 * k], words.words[k] + words.meanings[k]) << k;
        EXPECT_TRUE(lines[2 * k + 1].empty()) << k;
    }
    EXPECT_EQ(record.substr(record.size() - 4), "\r\n\r\n");
    // And so it shows: nine lines, each with an empty line below.
    auto* shown = qobject_cast<QPlainTextEdit*>(unit("编辑框错误记录").widget());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(tk::toGbk(shown->toPlainText().replace('\n', "\r\n").toStdString()), record);
    // The record covers the meaning line, which still holds the last meaning.
    const tk::UnitRef meaning = unit("透明标签_背单词的汉语翻译");
    EXPECT_TRUE(meaning.visible());
    QWidget* page = shown->parentWidget();
    EXPECT_TRUE(shown->isAncestorOf(page->childAt(meaning.left() + 20, meaning.top() + 20)) ||
                page->childAt(meaning.left() + 20, meaning.top() + 20) == shown);

    // Starting again empties the record and the misses.
    start();
    expectAsking();
    EXPECT_TRUE(unit("编辑框错误记录").text().empty());
    EXPECT_TRUE(drill().misses.empty());
    EXPECT_EQ(meaningShown(), words.meanings[0]);
}

TEST_F(DrillTest, ChangingTheOrderHalfWayStopsTheDrillAndStartBeginsAgain) {
    const drill_tests::UnitWords unit1 = unitWords(1);
    chooseRandomOrder();
    start();
    type("wrong");
    confirm();
    skip();
    EXPECT_EQ(drill().misses.size(), 2U);
    chooseTextbookOrder();
    expectReady();
    EXPECT_TRUE(unit("超级按钮b_确定背单词").disabled());
    EXPECT_TRUE(unit("超级按钮b_下一题").disabled());
    EXPECT_TRUE(drill().misses.empty());
    start();
    expectAsking();
    EXPECT_EQ(drill().questionNumber, 1);
    EXPECT_EQ(meaningShown(), unit1.meanings[0]);
    EXPECT_EQ(ground.sound.lastPlayed(), unit1.clips[0]);
    EXPECT_EQ(status(), "Unit 1共" + std::to_string(unit1.meanings.size()) + "个单词。目前错误0个");
}

TEST_F(DrillTest, LeavingHalfWayAndComingBackShowsTheSameQuestion) {
    const drill_tests::UnitWords unit1 = unitWords(1);
    clickUnit("超级按钮b_退出背单词");
    for (int page = 0; page < 3; ++page) {
        clickUnit("超级按钮_下一页");
    }
    clickUnit("超级按钮_背单词");
    start();
    type(unit1.words[0]);
    confirm();
    type(unit1.words[0]);
    confirm();
    const std::string shown = status();
    ground.sound.forget();

    clickUnit("超级按钮b_退出背单词");
    EXPECT_EQ(currentPage(), 3);
    EXPECT_EQ(reader::state().pageIndex, 3);
    EXPECT_EQ(reader::state().english, dealLines(content::pageTextList(3)).english);
    EXPECT_EQ(ground.sound.stops(), 0) << "leaving leaves the sound alone";

    clickUnit("超级按钮_背单词");
    EXPECT_EQ(currentPage(), reader::kDrillPage);
    expectAsking();
    EXPECT_EQ(meaningShown(), unit1.meanings[2]);
    EXPECT_EQ(status(), shown);
    EXPECT_EQ(sign(), "×");
    ground.sound.forget();
    listenAgain();
    EXPECT_EQ(ground.sound.calls(), stopThenPlay(unit1.clips[2]));
    type(unit1.words[2]);
    confirm();
    EXPECT_EQ(sign(), "√");
    EXPECT_EQ(meaningShown(), unit1.meanings[3]);
}

TEST_F(DrillTest, TheWordWithoutAClipIsAskedAndJudgedInSilence) {
    const drill_tests::UnitWords unit3 = unitWords(3);
    ASSERT_EQ(unit3.words.size(), 12U);
    ASSERT_EQ(unit3.clips.size(), 11U);
    chooseUnit(3);
    start();
    for (int k = 1; k < 12; ++k) {
        skip();
    }
    EXPECT_EQ(drill().questionNumber, 12);
    EXPECT_EQ(meaningShown(), unit3.meanings[11]);
    EXPECT_TRUE(ground.sound.playing().empty());
    ground.sound.forget();
    listenAgain();
    EXPECT_EQ(ground.sound.calls(), stopThenPlay({}));
    type(unit3.words[11]);
    confirm();
    EXPECT_EQ(sign(), "√");
    EXPECT_TRUE(ground.sound.played().empty());
    expectFinished();
    EXPECT_EQ(status(), "Unit 3共12个单词。共错误11个");
    EXPECT_EQ(drill().misses.size(), 11U);
}

TEST_F(DrillTest, TheMeaningShowsUntilTheBoxIsFirstUsedThenFollowsIt) {
    const drill_tests::UnitWords unit1 = unitWords(1);
    const tk::UnitRef line = unit("透明标签_背单词的汉语翻译");
    const tk::UnitRef box = unit("选择框_是否显示中文");
    start();
    EXPECT_FALSE(box.checked());
    EXPECT_TRUE(line.visible());
    EXPECT_EQ(meaningShown(), unit1.meanings[0]);
    clickUnit("选择框_是否显示中文");
    EXPECT_TRUE(box.checked());
    EXPECT_TRUE(line.visible());
    clickUnit("选择框_是否显示中文");
    EXPECT_FALSE(box.checked());
    EXPECT_FALSE(line.visible());
    // Written for every question all the same.
    skip();
    EXPECT_FALSE(line.visible());
    EXPECT_EQ(meaningShown(), unit1.meanings[1]);
    clickUnit("选择框_是否显示中文");
    EXPECT_TRUE(line.visible());
    EXPECT_EQ(meaningShown(), unit1.meanings[1]);
}

TEST_F(DrillTest, TheDrillStateOutlivesTheReader) {
    const drill_tests::UnitWords unit1 = unitWords(1);
    start();
    skip();
    window.reset();
    window = tk::CreateWindow(reader::readerWindow());
    clickUnit("超级按钮_背单词");
    EXPECT_EQ(drill().questionNumber, 2);
    EXPECT_EQ(drill().expectedWord, unit1.words[1]);
    // A new panel starts idle; its start begins the unit afresh.
    EXPECT_TRUE(unit("超级按钮b_再听一遍").disabled());
    start();
    EXPECT_EQ(drill().questionNumber, 1);
    EXPECT_TRUE(drill().misses.empty());
}

} // namespace
