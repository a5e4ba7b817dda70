// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The error list and its report window: pairs appended in order, counted in
// words, listed a line per entry, and emptied when the report closes.
#include "games/errors/error_list.h"
#include "games/errors/error_report.h"
#include "support/ground.h"
#include "window.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using tk::operator""_gbk;

namespace {

using Pairs = std::vector<std::pair<tk::Text, tk::Text>>;

tk::TextArray listOf(const Pairs& misses) {
    tk::TextArray list;
    for (const auto& [word, meaning] : misses) {
        errors::append(list, word, meaning);
    }
    return list;
}

// Ten different misses, as a game would record them.
Pairs tenMisses() {
    Pairs misses;
    for (int k = 1; k <= 10; ++k) {
        misses.emplace_back("word" + std::to_string(k), "意思"_gbk + std::to_string(k));
    }
    return misses;
}

TEST(ErrorList, PairsAreKeptInOrderAndCountedAsWords) {
    struct Case {
        const char* what;
        Pairs misses;
        tk::TextArray entries;
        int words;
        tk::Text report;
    };
    const Case cases[] = {
        {"none", {}, {}, 0, ""},
        {"one", {{"boy", "男孩"_gbk}}, {"boy", "男孩"_gbk}, 1, "boy\r\n"_gbk + "男孩\r\n"_gbk},
        {"two in the order missed",
         {{"tiger", "老虎"_gbk}, {"bird", "鸟"_gbk}},
         {"tiger", "老虎"_gbk, "bird", "鸟"_gbk},
         2,
         "tiger\r\n"_gbk + "老虎\r\n"_gbk + "bird\r\n" + "鸟\r\n"_gbk},
        {"the same word twice, listed twice",
         {{"me", "我（宾格）"_gbk}, {"me", "我（宾格）"_gbk}},
         {"me", "我（宾格）"_gbk, "me", "我（宾格）"_gbk},
         2,
         "me\r\n"_gbk + "我（宾格）\r\n"_gbk + "me\r\n" + "我（宾格）\r\n"_gbk},
        // A skipped word of an empty line still takes its two lines.
        {"an empty word", {{"", ""}}, {"", ""}, 1, "\r\n\r\n"},
    };
    for (const Case& c : cases) {
        tk::TextArray list = listOf(c.misses);
        EXPECT_EQ(list, c.entries) << c.what;
        EXPECT_EQ(errors::entryCount(list), 2 * c.words) << c.what;
        EXPECT_EQ(errors::missedWords(list), c.words) << c.what;
        EXPECT_EQ(errors::reportText(list), c.report) << c.what;
        errors::clear(list);
        EXPECT_EQ(errors::entryCount(list), 0) << c.what;
    }
    // An odd entry left by some other game counts as no word.
    EXPECT_EQ(errors::missedWords({"lonely"}), 0);
    EXPECT_EQ(errors::missedWords({"a", "b", "c"}), 1);
}

class ErrorReportTest : public testing_ground::GroundTest {
  protected:
    static QPlainTextEdit* lines(tk::Window& report) {
        return qobject_cast<QPlainTextEdit*>(report.unit(errors::kReportBox).widget());
    }
};

TEST_F(ErrorReportTest, TheWindowAsDefined) {
    tk::TextArray list;
    const auto report = tk::CreateWindow(errors::reportWindow(list));
    EXPECT_EQ(report->windowTitle(), QString::fromUtf8("错误单词列表！"));
    EXPECT_EQ(report->size(), QSize(380, 250));
    EXPECT_EQ(report->pos(), QPoint(50, 50));
    EXPECT_FALSE(report->windowFlags() & Qt::FramelessWindowHint);
    const tk::UnitRef box = report->unit(errors::kReportBox);
    EXPECT_EQ(box.kind(), tk::Kind::EditBox);
    EXPECT_EQ(box.widget()->geometry(), QRect(0, 0, 372, 220));
    ASSERT_NE(lines(*report), nullptr) << "not a multi-line box";
    EXPECT_EQ(lines(*report)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box.font().size, 20);
    EXPECT_EQ(box.font().face, "宋体");
    EXPECT_EQ(box.textColor(), tk::Rgb(0, 0, 0));
    EXPECT_EQ(box.backgroundColor(), tk::Rgb(255, 255, 255));
    // Opened on an empty list it shows an empty box.
    EXPECT_EQ(box.text(), "");
}

TEST_F(ErrorReportTest, TenMissesGiveTwentyLinesAndTheScrollBarReachesThemAll) {
    tk::TextArray list = listOf(tenMisses());
    const auto report = tk::CreateWindow(errors::reportWindow(list));
    testing_ground::settle();
    QPlainTextEdit* box = lines(*report);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(report->unit(errors::kReportBox).text(), errors::reportText(list));
    const QStringList shown = box->toPlainText().split('\n');
    ASSERT_EQ(shown.size(), 21) << "twenty lines and the empty one after the last CR LF";
    EXPECT_EQ(shown[0], "word1");
    EXPECT_EQ(shown[1], QString::fromUtf8("意思1"));
    EXPECT_EQ(shown[18], "word10");
    EXPECT_EQ(shown[19], QString::fromUtf8("意思10"));
    EXPECT_EQ(shown[20], "");
    QScrollBar* bar = box->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    ASSERT_GT(bar->maximum(), 0) << "twenty lines fit in the box";
    const auto lastLineShown = [box] {
        return box->cursorForPosition(QPoint(4, box->viewport()->height() - 4)).blockNumber();
    };
    EXPECT_LT(lastLineShown(), 19);
    bar->setValue(bar->maximum());
    EXPECT_GE(lastLineShown(), 19) << "the last lines are not reached";
}

TEST_F(ErrorReportTest, ClosingTheReportEmptiesTheListHoweverItIsClosed) {
    struct Case {
        const char* how;
        void (*close)(tk::Window&);
    };
    const Case cases[] = {
        {"UnloadWindow", [](tk::Window& w) { tk::UnloadWindow(&w); }},
        {"the desktop", [](tk::Window& w) { w.close(); }},
    };
    for (const Case& c : cases) {
        tk::TextArray list = listOf(tenMisses());
        const auto report = tk::CreateWindow(errors::reportWindow(list));
        EXPECT_EQ(errors::missedWords(list), 10) << c.how << ": emptied before closing";
        c.close(*report);
        EXPECT_TRUE(list.empty()) << c.how;
        EXPECT_FALSE(report->isVisible()) << c.how;
    }
}

// Each opening builds its text afresh from the list: after a close the next
// report starts from what was missed since.
TEST_F(ErrorReportTest, ShowErrorReportWaitsForTheCloseAndTheNextReportStartsAfresh) {
    tk::TextArray list = listOf({{"boy", "男孩"_gbk}});
    std::vector<std::string> seen;
    const auto readAndClose = [&seen](tk::Window& report) {
        seen.push_back(testing_ground::captionOf(report.unit(errors::kReportBox)));
        EXPECT_TRUE(report.isModal());
        tk::UnloadWindow(&report);
    };
    ground.platform.insideNextWindow.push_back(readAndClose);
    errors::showErrorReport(list, nullptr);
    EXPECT_TRUE(list.empty());

    errors::append(list, "girl", "女孩"_gbk);
    ground.platform.insideNextWindow.push_back(readAndClose);
    errors::showErrorReport(list, nullptr);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(seen, (std::vector<std::string>{"boy\r\n男孩\r\n", "girl\r\n女孩\r\n"}));
}

} // namespace
