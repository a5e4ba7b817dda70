// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice and find modes on the reader's lesson pages: whole rounds, the hit
// test on real clicks, the pauses, find mode's question, the mismatch report
// and every way a mode ends.
#include "exercise_fixture.h"
#include "exercises/modes.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

using reader_tests::ExerciseTest;
using tk::operator""_gbk;

namespace {

class PracticeTest : public ExerciseTest {
  protected:
    tk::Clip instruction(exercises::Mode mode) const {
        return content::effect(mode == exercises::Mode::Practice
                                   ? content::Effect::PracticeInstruction
                                   : content::Effect::FindInstruction);
    }
    void start(exercises::Mode mode) {
        ground.sound.forget();
        clickUnit(mode == exercises::Mode::Practice ? "超级按钮_练一练" : "超级按钮_找一找");
    }
    // The item practice asks now: the one whose clip played last. Items that
    // share a clip are told apart by nothing a child hears; any will do.
    int askedItem() const {
        const std::vector<int> items = itemsOfLastClip();
        return items.empty() ? 0 : items.front();
    }
    // The item find mode asks now: the first whose line the label shows.
    int shownItem() const {
        const tk::TextArray lines = chineseLines();
        const auto found = std::find(lines.begin(), lines.end(), label().caption());
        return found == lines.end() ? 0 : static_cast<int>(found - lines.begin()) + 1;
    }
    int lastDelay() const {
        return ground.clock.delays().empty() ? 0 : ground.clock.delays().back();
    }
    // A hotspot other than k whose Chinese line is k's, or k itself.
    int twinOf(int k) const {
        const tk::TextArray lines = chineseLines();
        for (std::size_t j = 0; j < lines.size(); ++j) {
            if (static_cast<int>(j) + 1 != k &&
                lines[j] == lines[static_cast<std::size_t>(k - 1)]) {
                return static_cast<int>(j) + 1;
            }
        }
        return k;
    }
    // A fake page list of n copies of one line, asked on the page shown.
    void startFindWith(const tk::Text& line, std::size_t n) {
        const tk::TextArray lines(n, line);
        const tk::ClipList clips;
        exercises::startFind(*window, reader::state().exercise, {bookPage(), lines, clips});
    }
    std::size_t hotspotCount() const { return content::pageHotspots(currentPage()).size(); }
};

struct RoundCase {
    int bookPage;
    exercises::Mode mode;
    int withText; // items asked
};

class WholeRoundTest : public PracticeTest, public ::testing::WithParamInterface<RoundCase> {};

// Every item with text is asked once, answered through a hotspot that shares
// its line where there is one; placeholders never; then the completion clip.
TEST_P(WholeRoundTest, AsksEveryItemWithTextOnceAndEndsWithTheCompletionClip) {
    const RoundCase c = GetParam();
    openBookPage(c.bookPage);
    const tk::TextArray lines = chineseLines();
    start(c.mode);
    EXPECT_EQ(ground.sound.played().front(), instruction(c.mode));
    EXPECT_EQ(ground.clock.delays(), std::vector<int>{7000});
    EXPECT_FALSE(overlay().disabled());

    std::map<tk::Text, int> askedPerLine;
    int asked = 0;
    while (!overlay().disabled() && asked <= static_cast<int>(lines.size())) {
        const int item = c.mode == exercises::Mode::Practice ? askedItem() : shownItem();
        ASSERT_NE(item, 0) << "asked " << asked;
        const tk::Text line = lines[static_cast<std::size_t>(item - 1)];
        ASSERT_NE(line, "$");
        ++askedPerLine[line];
        ++asked;
        ground.sound.forget();
        clickHotspot(twinOf(item));
        ASSERT_TRUE(played(praiseClips())) << "item " << item;
        EXPECT_EQ(lastDelay(), 3000);
    }
    std::map<tk::Text, int> expected;
    for (const tk::Text& line : lines) {
        if (line != "$") {
            ++expected[line];
        }
    }
    EXPECT_EQ(askedPerLine, expected);
    EXPECT_EQ(asked, c.withText);
    EXPECT_EQ(ground.sound.lastPlayed(), content::effect(content::Effect::Completion));
    EXPECT_TRUE(overlay().disabled());
    EXPECT_EQ(overlay().width(), 800);

    // The page reads again, and starting anew asks every item with text again.
    EXPECT_TRUE(lowestHotspotReads());
    start(c.mode);
    EXPECT_EQ(remainingWithText(), c.withText);
}

// Book page 6 asks 24 of its 25 items (item 25 is a placeholder); page 10
// has a placeholder and two items that share a line.
INSTANTIATE_TEST_SUITE_P(Pages, WholeRoundTest,
                         ::testing::Values(RoundCase{6, exercises::Mode::Practice, 24},
                                           RoundCase{10, exercises::Mode::Practice, 24},
                                           RoundCase{10, exercises::Mode::Find, 24}),
                         [](const ::testing::TestParamInfo<RoundCase>& param) {
                             return "BookPage" + std::to_string(param.param.bookPage) +
                                    (param.param.mode == exercises::Mode::Practice ? "Practice"
                                                                                   : "Find");
                         });

struct ClickCase {
    const char* where;
    QPoint (*at)(const tk::UnitRef& spot); // in page coordinates
    bool right;
};

int middleX(const tk::UnitRef& spot) {
    return spot.left() + spot.width() / 2;
}
int middleY(const tk::UnitRef& spot) {
    return spot.top() + spot.height() / 2;
}
int rightEdge(const tk::UnitRef& spot) {
    return spot.left() + spot.width();
}
int bottomEdge(const tk::UnitRef& spot) {
    return spot.top() + spot.height();
}

// Every edge is outside; the band above the top reaches 9 pixels, not 10.
TEST_F(PracticeTest, ClicksAreJudgedAgainstTheRectangleAndTheBandAboveIt) {
    openBookPage(6);
    start(exercises::Mode::Practice);
    using S = const tk::UnitRef&;
    const ClickCase cases[] = {
        {"left edge", [](S s) { return QPoint(s.left(), middleY(s)); }, false},
        {"right edge", [](S s) { return QPoint(rightEdge(s), middleY(s)); }, false},
        {"bottom edge", [](S s) { return QPoint(middleX(s), bottomEdge(s)); }, false},
        {"10 above the top", [](S s) { return QPoint(middleX(s), s.top() - 10); }, false},
        {"just inside the left edge", [](S s) { return QPoint(s.left() + 1, middleY(s)); }, true},
        {"9 above the top", [](S s) { return QPoint(middleX(s), s.top() - 9); }, true},
        {"just inside the bottom", [](S s) { return QPoint(middleX(s), bottomEdge(s) - 1); }, true},
        {"just inside the right", [](S s) { return QPoint(rightEdge(s) - 1, middleY(s)); }, true},
    };
    long left = remainingWithText();
    for (const ClickCase& c : cases) {
        const int item = askedItem();
        ASSERT_NE(item, 0) << c.where;
        const QPoint at = c.at(hotspot(item));
        const tk::Clip asked = ground.sound.lastPlayed();
        ground.sound.forget();
        clickPage(at.x(), at.y());
        EXPECT_EQ(played(praiseClips()), c.right) << c.where;
        EXPECT_EQ(played(retryClips()), !c.right) << c.where;
        if (c.right) {
            EXPECT_EQ(lastDelay(), 3000) << c.where;
            EXPECT_EQ(remainingWithText(), --left) << c.where;
            continue;
        }
        // The same item again, after the retry clip's pause.
        EXPECT_EQ(lastDelay(), 4000) << c.where;
        EXPECT_EQ(ground.sound.lastPlayed(), asked) << c.where;
        EXPECT_EQ(remainingWithText(), left) << c.where;
    }
}

TEST_F(PracticeTest, ClicksDuringAPauseAreJudgedAfterItAgainstTheItemAskedByThen) {
    openBookPage(6);
    start(exercises::Mode::Practice);
    const QPoint nowhere = offEveryHotspot();
    ASSERT_FALSE(nowhere.isNull());
    const int first = askedItem();
    ASSERT_NE(first, 0);

    // A miss, and during its pause a click on the item: right, after the pause.
    ground.clock.duringDelay = [this, first](int) {
        ground.clock.duringDelay = nullptr;
        const tk::UnitRef spot = hotspot(first);
        testing_ground::queueClickAt(
            *window, onPage(spot.left() + spot.width() / 2, spot.top() + spot.height() / 2));
    };
    ground.sound.forget();
    clickPage(nowhere.x(), nowhere.y());
    EXPECT_TRUE(played(retryClips()));
    EXPECT_FALSE(played(praiseClips()));
    testing_ground::settle();
    EXPECT_TRUE(played(praiseClips()));
    const int second = askedItem();
    ASSERT_NE(second, 0);
    ASSERT_NE(second, first);

    // During the praise pause a click off every hotspot: it misses the item
    // drawn after the pause, whose clip is played again.
    ground.clock.duringDelay = [this, nowhere](int) {
        ground.clock.duringDelay = nullptr;
        testing_ground::queueClickAt(*window, onPage(nowhere.x(), nowhere.y()));
    };
    clickHotspot(second);
    const int third = askedItem();
    ground.sound.forget();
    testing_ground::settle();
    EXPECT_TRUE(played(retryClips()));
    EXPECT_EQ(askedItem(), third);
    EXPECT_EQ(remainingWithText(), 22);
}

TEST_F(PracticeTest, FindShowsTheLineCentredOverThePage) {
    openBookPage(6);
    start(exercises::Mode::Find);
    const int item = shownItem();
    ASSERT_NE(item, 0);
    const tk::Text line = chineseLines()[static_cast<std::size_t>(item - 1)];
    EXPECT_TRUE(label().visible());
    EXPECT_EQ(label().width(), 15 * static_cast<int>(line.size()));
    EXPECT_EQ(label().left(), static_cast<int>((800 - label().width()) / 2.0));
    EXPECT_EQ(label().top(), 40);
    EXPECT_EQ(label().height(), 35);
    EXPECT_EQ(label().font().size, 22);
    EXPECT_EQ(label().alignment(), 1);
    EXPECT_TRUE(ground.sound.playing().empty()) << "find mode plays no item";

    // Wrong: the same line again; right: the next item's line after 3 s.
    const QPoint nowhere = offEveryHotspot();
    clickPage(nowhere.x(), nowhere.y());
    EXPECT_EQ(label().caption(), line);
    clickHotspot(item);
    EXPECT_EQ(lastDelay(), 3000);
    EXPECT_NE(shownItem(), item);
}

struct LabelCase {
    const char* line; // UTF-8
    int width;
    int left;
};

TEST_F(PracticeTest, FindsQuestionLabelFitsTheLineWhateverItsLength) {
    openBookPage(2);
    const LabelCase cases[] = {
        {"我是一个好学生啊呀", 270, 265},
        {"我是一个好学生啊呀哦", 300, 250},
        {"一二三四五六七八九十一二三四五六七八九十一二三四五六七", 810, -5},
        {"一二三四五六七八九十一二三四五六七八九十一二三四五六七八", 840, -20},
    };
    for (const LabelCase& c : cases) {
        startFindWith(tk::toGbk(c.line), hotspotCount());
        EXPECT_EQ(testing_ground::captionOf(label()), c.line);
        EXPECT_EQ(label().width(), c.width) << c.line;
        EXPECT_EQ(label().left(), c.left) << c.line;
        EXPECT_EQ(label().top(), 40) << c.line;
    }
}

struct MismatchCase {
    exercises::Mode mode;
    const char* message;
};

// Items and hotspots that differ in number are reported, and the mode ends:
// no item is left to judge a click against, and the page reads again.
TEST_F(PracticeTest, ItemsAndHotspotsThatDifferInNumberEndTheMode) {
    openBookPage(2);
    const MismatchCase cases[] = {
        {exercises::Mode::Practice, "读音数量与找到的透明标签练一练不相等"},
        {exercises::Mode::Find, "汉语翻译数量与找到的透明标签找一找不相等"},
    };
    for (const MismatchCase& c : cases) {
        ground.platform.messages.clear();
        const tk::TextArray lines(hotspotCount() + 1, "一行"_gbk);
        const tk::ClipList clips(hotspotCount() + 1, content::pageClips(currentPage()).front());
        const exercises::LessonPage page{bookPage(), lines, clips};
        if (c.mode == exercises::Mode::Practice) {
            exercises::startPractice(*window, reader::state().exercise, page);
        } else {
            exercises::startFind(*window, reader::state().exercise, page);
        }
        ASSERT_EQ(ground.platform.messages.size(), 3U);
        EXPECT_EQ(ground.platform.messages[0].content, std::to_string(hotspotCount() + 1));
        EXPECT_EQ(ground.platform.messages[1].content, std::to_string(hotspotCount()));
        EXPECT_EQ(ground.platform.messages[2].content, c.message);
        EXPECT_EQ(ground.platform.messages[2].caption, "信息：");
        EXPECT_TRUE(overlay().disabled());
        EXPECT_TRUE(lowestHotspotReads());
    }
}

// Every way off the page ends the mode; the page then reads as usual.
TEST_F(PracticeTest, LeavingThePageEndsTheMode) {
    struct EndCase {
        const char* how;
        std::function<void()> leave;
    };
    const EndCase cases[] = {
        {"next page", [this] { clickUnit("超级按钮_下一页"); }},
        {"previous page", [this] { clickUnit("超级按钮_上一页"); }},
        {"course list", [this] { testing_ground::pick(unit("组合框课程选择"), 0); }},
        {"word drill",
         [this] {
             clickUnit("超级按钮_背单词");
             clickUnit("超级按钮_上一页");
         }},
    };
    for (const EndCase& c : cases) {
        openBookPage(6);
        start(exercises::Mode::Practice);
        const tk::UnitRef practiced = overlay();
        ASSERT_FALSE(practiced.disabled()) << c.how;
        c.leave();
        EXPECT_TRUE(practiced.disabled()) << c.how;
        EXPECT_TRUE(reader::state().exercise.lines.empty()) << c.how;
        EXPECT_TRUE(lowestHotspotReads()) << c.how;
        while (currentPage() > 0) {
            clickUnit("超级按钮_上一页");
        }
    }
}

TEST_F(PracticeTest, StartingTheOtherModeStartsAfreshWithEveryItem) {
    openBookPage(6);
    start(exercises::Mode::Practice);
    clickHotspot(askedItem());
    EXPECT_EQ(remainingWithText(), 23);
    start(exercises::Mode::Find);
    EXPECT_EQ(reader::state().exercise.mode, exercises::Mode::Find);
    EXPECT_EQ(remainingWithText(), 24);
    EXPECT_EQ(ground.sound.played().front(), instruction(exercises::Mode::Find));
    EXPECT_NE(shownItem(), 0);
}

// The first-page notice leaves both buttons enabled on the drill page, whose
// lists are empty: there is nothing to ask, and book page 2's hotspots are
// not collected.
TEST_F(PracticeTest, OnTheDrillPageTheModesDoNothing) {
    clickUnit("超级按钮_背单词");
    clickUnit("超级按钮_上一页");
    ASSERT_EQ(currentPage(), reader::kDrillPage);
    for (const char* button : {"超级按钮_练一练", "超级按钮_找一找"}) {
        ASSERT_FALSE(unit(button).disabled());
        ground.sound.forget();
        clickUnit(button);
        EXPECT_TRUE(ground.sound.calls().empty()) << button;
        EXPECT_TRUE(ground.clock.delays().empty()) << button;
        EXPECT_TRUE(reader::state().exercise.pageRectangles.empty()) << button;
        EXPECT_TRUE(unit(reader::overlayName(2)).disabled()) << button;
        EXPECT_FALSE(label().visible()) << button;
    }
}

// Book page 64's hotspot 5 was added after 6 to 14; its rectangle is still
// hotspot 5's.
TEST_F(PracticeTest, RectanglesGoByHotspotNumberNotByDefinitionOrder) {
    openBookPage(64);
    start(exercises::Mode::Practice);
    const auto& rectangles = reader::state().exercise.pageRectangles;
    ASSERT_EQ(rectangles.size(), hotspotCount());
    for (int k = 1; k <= static_cast<int>(hotspotCount()); ++k) {
        const tk::UnitRef spot = hotspot(k);
        const exercises::HotspotRect expected{spot.left(), spot.left() + spot.width(), spot.top(),
                                              spot.top() + spot.height()};
        EXPECT_EQ(rectangles[static_cast<std::size_t>(k - 1)], expected) << k;
    }
}

} // namespace
