// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The reader window as it is defined: pages, page pictures, hotspots,
// overlays, answer boxes, the translation label and the toolbar.
#include "reader/page_names.h"
#include "reader_fixture.h"
#include "window_table.h"

#include <QStackedWidget>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>

using reader_tests::ReaderTest;

namespace {

int definitionIndex(const tk::UnitRef& ref) {
    return ref.index();
}

// The page picture box that holds the unit.
std::string boxOf(const tk::UnitRef& ref) {
    const QWidget* parent = ref.widget()->parentWidget();
    for (int page = 0; page < reader::kPages; ++page) {
        if (ref.window()->unit(reader::pagePictureName(page)).widget() == parent) {
            return reader::pagePictureName(page);
        }
    }
    return {};
}

TEST_F(ReaderTest, ThirtySevenPagesEachWithItsPictureBox) {
    auto* pages = qobject_cast<QStackedWidget*>(unit("高级选择夹1").widget());
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 37);
    const auto& definition = reader::readerWindow();
    ASSERT_EQ(definition.units.front().pages.size(), 37U);
    EXPECT_EQ(definition.units.front().pages[0], "2");
    EXPECT_EQ(definition.units.front().pages[33], "68");
    EXPECT_EQ(definition.units.front().pages[34], "70");
    EXPECT_EQ(definition.units.front().pages[35], "74");
    EXPECT_EQ(definition.units.front().pages[36], "背单词");
    for (int page = 0; page < reader::kPages; ++page) {
        const tk::UnitRef box = unit(reader::pagePictureName(page));
        ASSERT_FALSE(box.isEmpty()) << page;
        EXPECT_EQ(box.kind(), tk::Kind::PicBox);
        EXPECT_EQ(box.widget()->parentWidget(), pages->widget(page)) << page;
    }
    EXPECT_EQ(unit("图片框底图2").width(), 800);
    EXPECT_EQ(unit("图片框底图2").height(), 540);
}

TEST_F(ReaderTest, HotspotsCarryTheirBookPageAndLieInTheirPageBox) {
    int hotspots = 0;
    for (int page = 0; page <= reader::kLastBookPage; ++page) {
        const int bookPage = reader::bookPageOf(page);
        std::vector<int> numbers;
        if (page < reader::kLessonPages) {
            for (int k = 1; k <= static_cast<int>(content::pageHotspots(page).size()); ++k) {
                numbers.push_back(k);
            }
        } else {
            const auto& fixed =
                bookPage == 70 ? content::page70Hotspots() : content::page74Hotspots();
            for (const content::FixedHotspot& hotspot : fixed) {
                numbers.push_back(hotspot.number);
            }
        }
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const tk::UnitRef hotspot = unit(reader::hotspotName(bookPage, numbers[i]));
            ASSERT_FALSE(hotspot.isEmpty()) << reader::hotspotName(bookPage, numbers[i]);
            EXPECT_EQ(hotspot.kind(), tk::Kind::TransLabel);
            EXPECT_EQ(hotspot.tag(), std::to_string(bookPage));
            EXPECT_EQ(hotspot.widget()->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_EQ(boxOf(hotspot), reader::pagePictureName(page));
            const tk::Rect rect = content::pageHotspots(page)[i];
            EXPECT_EQ(hotspot.left(), rect.left);
            EXPECT_EQ(hotspot.width(), rect.width);
            ++hotspots;
        }
    }
    EXPECT_EQ(hotspots, 732);
    EXPECT_EQ(tk::FindUnits(window.get(), "透明标签页").size(), 732U);
    EXPECT_TRUE(unit("透明标签页74_25").isEmpty());
    EXPECT_TRUE(unit("透明标签页74_30").isEmpty());
    EXPECT_EQ(tk::takeTableFaults().size(), 2U);
    EXPECT_FALSE(unit("透明标签页74_36").isEmpty());
    // Page 64 lists its hotspot 5 after 14, and it is still hotspot 5.
    EXPECT_GT(definitionIndex(unit("透明标签页64_5")), definitionIndex(unit("透明标签页64_14")));
    EXPECT_EQ(unit("透明标签页64_5").left(), content::pageHotspots(31)[4].left);
}

TEST_F(ReaderTest, OverlaysLieAboveTheHotspotsOfTheirPage) {
    const tk::UnitArray overlays = tk::FindUnits(window.get(), "透明标签练一练是否错误");
    ASSERT_EQ(overlays.size(), 34U);
    for (int page = 0; page < reader::kLessonPages; ++page) {
        const int bookPage = reader::bookPageOf(page);
        const tk::UnitRef overlay = unit(reader::overlayName(bookPage));
        ASSERT_FALSE(overlay.isEmpty()) << bookPage;
        EXPECT_EQ(overlay.kind(), tk::Kind::TransLabel);
        EXPECT_TRUE(overlay.visible());
        EXPECT_TRUE(overlay.disabled());
        EXPECT_TRUE(overlay.tag().empty());
        EXPECT_EQ(overlay.width(), 20);
        EXPECT_EQ(overlay.height(), 20);
        EXPECT_EQ(overlay.widget()->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(boxOf(overlay), reader::pagePictureName(page));
        const tk::UnitArray hotspots =
            tk::FindUnits(window.get(), "透明标签页", "透明标签", bookPage, bookPage);
        ASSERT_FALSE(hotspots.empty());
        for (const tk::UnitRef& hotspot : hotspots) {
            EXPECT_GT(definitionIndex(overlay), definitionIndex(hotspot)) << hotspot.name();
        }
    }
}

TEST_F(ReaderTest, AnswerBoxesSitInTheirPagePictures) {
    const auto& boxes = content::answerBoxes();
    ASSERT_EQ(boxes.size(), 38U);
    std::map<content::AnswerBox::Kind, int> kinds;
    for (const content::AnswerBox& answer : boxes) {
        const tk::UnitRef box = unit(answer.unitName);
        ASSERT_FALSE(box.isEmpty()) << answer.unitName;
        EXPECT_EQ(boxOf(box), reader::pagePictureName(content::readerPageOf(answer.bookPage)))
            << answer.unitName;
        ++kinds[answer.kind];
        switch (answer.kind) {
        case content::AnswerBox::Kind::Tick:
            EXPECT_EQ(box.kind(), tk::Kind::CheckBox);
            EXPECT_FALSE(box.checked());
            break;
        case content::AnswerBox::Kind::Write:
            EXPECT_EQ(box.kind(), tk::Kind::EditBox);
            EXPECT_EQ(box.left(), answer.rect.left);
            EXPECT_EQ(box.width(), 16);
            EXPECT_TRUE(box.text().empty());
            break;
        case content::AnswerBox::Kind::Listen:
            EXPECT_EQ(box.kind(), tk::Kind::PicBox);
            EXPECT_EQ(box.width(), 20);
            EXPECT_FALSE(box.picture().isEmpty());
            EXPECT_EQ(box.widget()->cursor().shape(), Qt::PointingHandCursor);
            break;
        }
    }
    EXPECT_EQ(kinds[content::AnswerBox::Kind::Tick], 12);
    EXPECT_EQ(kinds[content::AnswerBox::Kind::Write], 14);
    EXPECT_EQ(kinds[content::AnswerBox::Kind::Listen], 12);
    // A listen mark lies under the hotspot that plays its recording.
    EXPECT_LT(definitionIndex(unit("图片框听录音s6_2")), definitionIndex(unit("透明标签页6_25")));
    EXPECT_GT(definitionIndex(unit("选择框打钩44_1")), definitionIndex(unit("透明标签页44_17")));

    const tk::UnitRef markTemplate = unit("图片框_正确");
    EXPECT_EQ(markTemplate.kind(), tk::Kind::PicBox);
    EXPECT_FALSE(markTemplate.visible());
    EXPECT_TRUE(markTemplate.picture().isEmpty());
}

TEST_F(ReaderTest, TranslationLabelIsFoundByItsTagAndLiesOnTop) {
    const tk::UnitRef label = tk::FindUnitByTag(window.get(), 1);
    EXPECT_EQ(label.name(), "标签_显示翻译");
    EXPECT_EQ(label.kind(), tk::Kind::Label);
    EXPECT_FALSE(label.visible());
    EXPECT_EQ(label.left(), 72);
    EXPECT_EQ(label.top(), 0);
    EXPECT_EQ(label.width(), 40);
    EXPECT_EQ(label.height(), 24);
    EXPECT_EQ(label.font().face, "宋体");
    EXPECT_EQ(label.widget()->parentWidget(), window.get());
    EXPECT_GT(definitionIndex(label), definitionIndex(unit("高级选择夹1")));
    EXPECT_GT(definitionIndex(label), definitionIndex(unit("透明标签页74_36")));
}

TEST_F(ReaderTest, ToolbarButtonsCaptionsAndHints) {
    struct Case {
        const char* name;
        int left;
        const char* caption;
    };
    const Case cases[] = {
        {"超级按钮_全屏", 4, "全屏"},           {"超级按钮_上一页", 43, "上一页"},
        {"超级按钮_下一页", 151, "下一页"},     {"超级按钮_中文提示", 195, "中文翻译关"},
        {"超级按钮_练一练", 239, "练一练"},     {"超级按钮_找一找", 283, "找一找"},
        {"超级按钮_填一填", 327, "填一填"},     {"超级按钮_排序", 371, "句子排序"},
        {"超级按钮_背单词", 415, "背单词"},     {"超级按钮_连连看", 459, "连连看"},
        {"超级按钮_单词排序", 503, "单词排序"}, {"超级按钮_汉找英", 547, "汉找英"},
        {"超级按钮_英找汉", 591, "英找汉"},     {"超级按钮_退出", 634, "退出"},
    };
    const QWidget* toolbar = unit("分组框翻页").widget();
    for (const Case& c : cases) {
        const tk::UnitRef button = unit(c.name);
        ASSERT_FALSE(button.isEmpty()) << c.name;
        EXPECT_EQ(button.kind(), tk::Kind::SuperBtn);
        EXPECT_EQ(button.widget()->parentWidget(), toolbar) << c.name;
        EXPECT_EQ(button.left(), c.left) << c.name;
        EXPECT_EQ(button.top(), 15) << c.name;
        EXPECT_EQ(button.width(), 40) << c.name;
        EXPECT_EQ(button.height(), 30) << c.name;
        EXPECT_EQ(testing_ground::captionOf(button), c.caption) << c.name;
        const std::string hint =
            std::string(c.name) == "超级按钮_中文提示" ? "中文提示关" : c.caption;
        EXPECT_EQ(tk::toUtf8(button.hint()), hint) << c.name;
    }
    EXPECT_FALSE(unit("超级按钮_中文提示").pressed());

    const tk::UnitRef courses = unit("组合框课程选择");
    EXPECT_EQ(courses.widget()->parentWidget(), toolbar);
    EXPECT_EQ(courses.left(), 89);
    EXPECT_EQ(courses.top(), 21);
    EXPECT_EQ(courses.width(), 60);
    EXPECT_EQ(courses.height(), 20);
    const char* items[] = {"Unit 1", "Unit 2", "Unit 3",    "Recycle 1", "Unit 4",
                           "Unit 5", "Unit 6", "Recycle 2", "单词表"};
    ASSERT_EQ(courses.itemCount(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(tk::toUtf8(tk::ItemText(courses, i)), items[i]);
        EXPECT_EQ(tk::ItemData(courses, i), i + 1);
    }

    const tk::UnitRef title = unit("画板1");
    EXPECT_EQ(title.kind(), tk::Kind::DrawPanel);
    EXPECT_EQ(title.widget()->parentWidget(), toolbar);
    EXPECT_EQ(title.width(), 118);
    EXPECT_EQ(title.height(), 40);
    EXPECT_EQ(title.font().size, 15);
    EXPECT_EQ(unit("时钟1").interval(), 50);
}

// The game buttons ask the opener for their windows: the page games with
// copies of the page's lists and exercise clips, the word games over the
// reader. The reader stays as it was.
TEST_F(ReaderTest, GameButtonsAskTheOpenerForTheirWindows) {
    clickUnit("超级按钮_下一页");
    ground.sound.forget();
    const std::pair<const char*, const char*> buttons[] = {
        {"超级按钮_填一填", "fill-in"},
        {"超级按钮_排序", "ordering"},
        {"超级按钮_单词排序", "spelling"},
        {"超级按钮_连连看", "matching"},
        {"超级按钮_汉找英", "chinese to english"},
        {"超级按钮_英找汉", "english to chinese"},
    };
    for (const auto& [button, game] : buttons) {
        clickUnit(button);
        ASSERT_FALSE(reader_tests::opener().games.empty()) << button;
        const auto& opened = reader_tests::opener().games.back();
        EXPECT_EQ(opened.game, game);
        if (opened.over == nullptr) {
            EXPECT_EQ(opened.lists.english, reader::state().english) << button;
            EXPECT_EQ(opened.lists.chinese, reader::state().chinese) << button;
            EXPECT_EQ(opened.lists.clips, reader::state().exerciseClips) << button;
            EXPECT_FALSE(opened.lists.english.empty()) << button;
        } else {
            EXPECT_EQ(opened.over, window.get()) << button;
        }
        EXPECT_EQ(currentPage(), 1) << button;
    }
    EXPECT_EQ(reader_tests::opener().games.size(), 6U);
    EXPECT_TRUE(ground.platform.messages.empty());
    EXPECT_TRUE(ground.sound.calls().empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ReaderTest, ExitEndsTheProgram) {
    clickUnit("超级按钮_退出");
    EXPECT_EQ(ground.platform.endCodes, std::vector<int>{0});
}

} // namespace
