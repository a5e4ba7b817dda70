// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the reader and moving through its pages: the page buttons, the
// course list and the word-drill button.
#include "lists.h"
#include "reader/navigation.h"
#include "reader/page_names.h"
#include "reader_fixture.h"
#include "unit_widgets.h"

#include <QComboBox>
#include <gtest/gtest.h>

using reader_tests::ReaderTest;
using tk::operator""_gbk;

namespace {

const char* const kFiveButtons[] = {"超级按钮_排序", "超级按钮_找一找", "超级按钮_练一练",
                                    "超级按钮_填一填", "超级按钮_中文提示"};

class NavigationTest : public ReaderTest {
  protected:
    // Where the reader stands and what it holds.
    void expectLessonPage(int page) const {
        EXPECT_EQ(currentPage(), page);
        EXPECT_EQ(reader::state().pageIndex, page);
        const DealtLists lists = dealLines(content::pageTextList(page));
        EXPECT_EQ(reader::state().english, lists.english) << page;
        EXPECT_EQ(reader::state().chinese, lists.chinese) << page;
        EXPECT_EQ(reader::state().clips, content::pageClips(page)) << page;
        EXPECT_EQ(reader::state().exerciseClips, content::pageClips(page)) << page;
        EXPECT_FALSE(label().visible());
    }
    void expectNoLists() const {
        EXPECT_TRUE(reader::state().english.empty());
        EXPECT_TRUE(reader::state().chinese.empty());
        EXPECT_TRUE(reader::state().clips.empty());
        EXPECT_TRUE(reader::state().exerciseClips.empty());
    }
    void goTo(int page) {
        while (currentPage() < page) {
            clickUnit("超级按钮_下一页");
        }
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& message : ground.platform.messages) {
            texts.push_back(message.content);
        }
        return texts;
    }
};

TEST_F(NavigationTest, OpensOnTheFirstPageWithItsListsAndTheLoadingPictureHidden) {
    reader_tests::freshProgram();
    reader_tests::opener().loadingShown = true;
    window = tk::CreateWindow(reader::readerWindow());

    EXPECT_FALSE(reader_tests::opener().loadingShown);
    expectLessonPage(0);
    EXPECT_EQ(reader::state().english.size(), content::pageHotspots(0).size());
    EXPECT_TRUE(unit("超级按钮_上一页").disabled());
    EXPECT_FALSE(unit("超级按钮_下一页").disabled());
    EXPECT_TRUE(reader::state().translation);
    EXPECT_EQ(reader::state().window.window(), window.get());
}

TEST_F(NavigationTest, NextThirtyFiveTimesReachesPage74WithNextGreyed) {
    for (int press = 1; press <= 35; ++press) {
        ground.sound.forget();
        clickUnit("超级按钮_下一页");
        EXPECT_EQ(currentPage(), press);
        EXPECT_EQ(ground.sound.stops(), 1);
        if (press < reader::kWordListPage) {
            expectLessonPage(press);
        } else {
            expectNoLists();
        }
    }
    EXPECT_EQ(reader::state().pageIndex, 35);
    EXPECT_TRUE(unit("超级按钮_下一页").disabled());
    EXPECT_FALSE(unit("超级按钮_上一页").disabled());
    expectNoLists();
    for (const char* name : kFiveButtons) {
        EXPECT_TRUE(unit(name).disabled()) << name;
    }
    // Greyed: a click does nothing; the handler itself refuses with a message.
    clickUnit("超级按钮_下一页");
    EXPECT_TRUE(ground.platform.messages.empty());
    reader::nextPage(*window);
    EXPECT_EQ(messages(), std::vector<std::string>{"已经最后一页了！"});
    EXPECT_EQ(currentPage(), 35);
    EXPECT_EQ(reader::state().pageIndex, 35);
}

TEST_F(NavigationTest, PreviousGoesBackAndIsGreyedOnTheFirstPage) {
    goTo(3);
    clickUnit("超级按钮_上一页");
    expectLessonPage(2);
    clickUnit("超级按钮_上一页");
    clickUnit("超级按钮_上一页");
    expectLessonPage(0);
    EXPECT_TRUE(unit("超级按钮_上一页").disabled());
    reader::previousPage(*window);
    EXPECT_EQ(messages(), std::vector<std::string>{"已经第一页了！"});
    EXPECT_EQ(currentPage(), 0);
}

TEST_F(NavigationTest, TheWordListGreysTheFiveButtons) {
    testing_ground::pick(unit("组合框课程选择"), 8);
    EXPECT_EQ(currentPage(), reader::kWordListPage);
    EXPECT_EQ(reader::state().pageIndex, reader::kWordListPage);
    expectNoLists();
    for (const char* name : kFiveButtons) {
        EXPECT_TRUE(unit(name).disabled()) << name;
    }
    EXPECT_FALSE(unit("超级按钮_下一页").disabled());
    EXPECT_FALSE(unit("超级按钮_背单词").disabled());
    // Back to a lesson page: all of them work again.
    testing_ground::pick(unit("组合框课程选择"), 2);
    expectLessonPage(10);
    for (const char* name : kFiveButtons) {
        EXPECT_FALSE(unit(name).disabled()) << name;
    }
}

TEST_F(NavigationTest, CourseListJumpsToEachUnitWithoutStoppingSound) {
    const int pages[] = {0, 5, 10, 15, 17, 22, 27, 32};
    for (int item = 7; item >= 0; --item) {
        ground.sound.forget();
        testing_ground::pick(unit("组合框课程选择"), item);
        expectLessonPage(pages[item]);
        EXPECT_EQ(ground.sound.stops(), 0);
    }
    EXPECT_TRUE(unit("超级按钮_上一页").disabled());
}

TEST_F(NavigationTest, ChoosingTheUnitOfThePageShownReloadsIt) {
    testing_ground::pick(unit("组合框课程选择"), 1);
    expectLessonPage(5);
    testing_ground::pick(unit("组合框课程选择"), 1);
    expectLessonPage(5);
    const tk::UnitRef hotspot = unit("透明标签页12_1");
    pressHotspot(hotspot);
    EXPECT_EQ(ground.sound.lastPlayed(), content::pageClips(5)[0]);
    EXPECT_TRUE(label().visible());
    EXPECT_EQ(label().caption(), dealLines(content::pageTextList(5)).chinese[0]);
}

TEST_F(NavigationTest, WordDrillKeepsThePageIndexForPreviousAndNext) {
    goTo(9); // book page 20
    clickUnit("超级按钮_背单词");
    EXPECT_EQ(currentPage(), reader::kDrillPage);
    EXPECT_EQ(reader::state().pageIndex, 9);
    expectNoLists();
    for (const char* name : kFiveButtons) {
        EXPECT_TRUE(unit(name).disabled()) << name;
    }
    EXPECT_TRUE(unit("超级按钮_下一页").disabled());
    clickUnit("超级按钮_上一页");
    expectLessonPage(8); // book page 18

    clickUnit("超级按钮_背单词");
    reader::nextPage(*window);
    expectLessonPage(9);
}

TEST_F(NavigationTest, WordDrillFromTheFirstPageThenPreviousStaysOnTheDrill) {
    ground.sound.forget();
    clickUnit("超级按钮_背单词");
    EXPECT_EQ(ground.sound.stops(), 1);
    EXPECT_FALSE(unit("超级按钮_上一页").disabled());
    clickUnit("超级按钮_上一页");
    EXPECT_EQ(messages(), std::vector<std::string>{"已经第一页了！"});
    EXPECT_EQ(currentPage(), reader::kDrillPage);
    EXPECT_EQ(reader::state().pageIndex, 0);
    expectNoLists();
}

TEST_F(NavigationTest, PageMovesEmptyThePracticeListsAndSwitchTheOverlaysOff) {
    reader::state().exercise.lines = {"x"};
    reader::state().exercise.targets = {1};
    tk::UnitRef overlay = unit("透明标签练一练是否错误4_0");
    overlay.setDisabled(false);
    clickUnit("超级按钮_下一页");
    EXPECT_TRUE(reader::state().exercise.lines.empty());
    EXPECT_TRUE(reader::state().exercise.targets.empty());
    EXPECT_TRUE(overlay.disabled());
    EXPECT_EQ(overlay.width(), 800);
    EXPECT_EQ(overlay.height(), 540);
    // Disabled, it lets clicks through to the hotspots it covers.
    const tk::UnitRef hotspot = unit("透明标签页四_2");
    QWidget* page = unit("图片框底图4").widget();
    const QPoint centre = hotspot.widget()->geometry().center();
    EXPECT_EQ(page->childAt(centre), hotspot.widget());
}

TEST_F(NavigationTest, AnswerMarksAreHiddenOnPageMovesOnceAnyHaveBeenMade) {
    tk::UnitRef mark = tk::CloneUnit(unit("图片框_正确"), unit("图片框底图2"));
    mark.setTag("90");
    mark.setVisible(true);
    clickUnit("超级按钮_下一页");
    EXPECT_TRUE(mark.visible()) << "no mark has been made by the reader's own account";

    reader::state().marks.made = true;
    clickUnit("超级按钮_上一页");
    EXPECT_FALSE(mark.visible());
    mark.setVisible(true);
    testing_ground::pick(unit("组合框课程选择"), 1);
    EXPECT_FALSE(mark.visible());
    mark.setVisible(true);
    clickUnit("超级按钮_背单词");
    EXPECT_TRUE(mark.visible());
}

TEST_F(NavigationTest, ThePagePictureIsDecodedAtItsBoxSizeAndReleasedWhenLeft) {
    auto pictureOf = [this](int page) {
        return qobject_cast<tk::PictureBox*>(unit(reader::pagePictureName(page)).widget())->image();
    };
    EXPECT_EQ(pictureOf(0).size(), QSize(800, 540));
    clickUnit("超级按钮_下一页");
    EXPECT_EQ(pictureOf(1).size(), QSize(800, 540));
    EXPECT_TRUE(pictureOf(0).isNull());
    clickUnit("超级按钮_背单词");
    EXPECT_EQ(pictureOf(reader::kDrillPage).size(), QSize(800, 560));
    EXPECT_TRUE(pictureOf(1).isNull());
}

} // namespace
