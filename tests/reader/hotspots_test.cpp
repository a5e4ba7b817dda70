// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Pressing hotspots: the clip, the translation label, the translation switch
// and dragging the label.
#include "lists.h"
#include "reader/label_placement.h"
#include "reader/page_names.h"
#include "reader_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using reader_tests::ReaderTest;
using testing_ground::RecordingSound;

namespace {

class HotspotTest : public ReaderTest {
  protected:
    void goTo(int page) {
        while (currentPage() < page) {
            clickUnit("超级按钮_下一页");
        }
    }
    // The press stopped what played and started exactly this clip.
    void expectPlayedAlone(tk::Clip clip) const {
        const auto& calls = ground.sound.calls();
        ASSERT_GE(calls.size(), 2U);
        EXPECT_EQ(calls[calls.size() - 2].what, RecordingSound::Call::What::Stop);
        EXPECT_EQ(calls.back().what, RecordingSound::Call::What::Play);
        EXPECT_EQ(calls.back().clip, clip);
        EXPECT_FALSE(calls.back().loop);
    }
    void expectLabelBeside(const tk::UnitRef& hotspot, const tk::Text& text) const {
        const reader::LabelGeometry expected =
            reader::placeLabel(text, hotspot.left(), hotspot.top(), 800, 600);
        EXPECT_EQ(label().caption(), text) << hotspot.name();
        EXPECT_EQ(label().left(), expected.left) << hotspot.name();
        EXPECT_EQ(label().top(), expected.top) << hotspot.name();
        EXPECT_EQ(label().width(), expected.width) << hotspot.name();
        EXPECT_EQ(label().height(), expected.height) << hotspot.name();
        EXPECT_EQ(label().alignment(), expected.alignment) << hotspot.name();
    }
};

TEST_F(HotspotTest, EveryHotspotPlaysItsClipAndShowsItsLine) {
    int pressed = 0;
    for (int page = 0; page <= reader::kLastBookPage; ++page) {
        goTo(page);
        ASSERT_EQ(currentPage(), page);
        const int bookPage = reader::bookPageOf(page);
        if (page < reader::kLessonPages) {
            const DealtLists lists = dealLines(content::pageTextList(page));
            const auto& clips = content::pageClips(page);
            const int count = static_cast<int>(content::pageHotspots(page).size());
            ASSERT_EQ(count, static_cast<int>(lists.chinese.size())) << bookPage;
            for (int k = 1; k <= count; ++k) {
                const tk::UnitRef hotspot = unit(reader::hotspotName(bookPage, k));
                const auto item = static_cast<std::size_t>(k - 1);
                pressHotspot(hotspot);
                expectPlayedAlone(clips[item]);
                expectLabelBeside(hotspot, lists.chinese[item]);
                EXPECT_EQ(label().visible(), lists.chinese[item] != "$") << hotspot.name();
                ++pressed;
            }
            continue;
        }
        const auto& fixed = bookPage == 70 ? content::page70Hotspots() : content::page74Hotspots();
        for (const content::FixedHotspot& spot : fixed) {
            const tk::UnitRef hotspot = unit(reader::hotspotName(bookPage, spot.number));
            pressHotspot(hotspot);
            expectPlayedAlone(spot.clip);
            EXPECT_FALSE(spot.clip.empty()) << hotspot.name();
            EXPECT_TRUE(label().caption().empty()) << hotspot.name();
            EXPECT_EQ(label().width(), 0) << hotspot.name();
            EXPECT_EQ(label().height(), 0) << hotspot.name();
            ++pressed;
        }
    }
    EXPECT_EQ(pressed, 732);
}

TEST_F(HotspotTest, PageSeventyPlaysTheUnitWordsInItsOwnOrder) {
    const auto& fixed = content::page70Hotspots();
    ASSERT_EQ(fixed.size(), 71U);
    const std::pair<int, int> order[] = {{1, 1}, {1, 15}, {2, 1}, {2, 12}, {3, 1}, {3, 11},
                                         {4, 1}, {4, 4},  {5, 1}, {5, 2},  {4, 5}, {4, 12},
                                         {5, 3}, {5, 9},  {6, 1}, {6, 12}};
    const int hotspots[] = {1, 15, 16, 27, 28, 38, 39, 42, 43, 44, 45, 52, 53, 59, 60, 71};
    for (std::size_t i = 0; i < std::size(hotspots); ++i) {
        const auto [unitNumber, word] = order[i];
        EXPECT_EQ(fixed[static_cast<std::size_t>(hotspots[i] - 1)].clip,
                  content::wordClips(unitNumber)[static_cast<std::size_t>(word - 1)])
            << "hotspot " << hotspots[i];
    }
}

TEST_F(HotspotTest, AWordOnPageSeventyEmptiesTheLabelShownBefore) {
    testing_ground::pick(unit("组合框课程选择"), 8);
    EXPECT_FALSE(label().visible());
    // A label still on show, as the find mode leaves it.
    tk::UnitRef shown = label();
    shown.setCaption(tk::toGbk("旧的翻译"));
    shown.setGeometry(100, 100, 88, 25);
    shown.setVisible(true);
    const tk::UnitRef word = unit("透明标签页70_5");
    pressHotspot(word);
    EXPECT_EQ(ground.sound.lastPlayed(), content::page70Hotspots()[4].clip);
    EXPECT_TRUE(label().caption().empty());
    EXPECT_EQ(label().width(), 0);
    EXPECT_EQ(label().height(), 0);
    EXPECT_EQ(label().left(), word.left());
    EXPECT_EQ(label().top(), word.top() + 50);
    EXPECT_TRUE(label().widget()->rect().isEmpty());
}

TEST_F(HotspotTest, PlaceholderPlaysItsClipAndShowsNoLabel) {
    goTo(2); // book page 6, item 25 is a listening exercise
    pressHotspot(unit("透明标签页6_1"));
    EXPECT_TRUE(label().visible());
    pressHotspot(unit("透明标签页6_25"));
    expectPlayedAlone(content::pageClips(2)[24]);
    EXPECT_EQ(label().caption(), "$");
    EXPECT_FALSE(label().visible());
}

TEST_F(HotspotTest, PageFiftySixHotspotEight) {
    testing_ground::pick(unit("组合框课程选择"), 6);
    ASSERT_EQ(currentPage(), 27);
    const tk::UnitRef hotspot = unit("透明标签页56_8");
    pressHotspot(hotspot);
    expectPlayedAlone(content::pageClips(27)[7]);
    expectLabelBeside(hotspot, dealLines(content::pageTextList(27)).chinese[7]);
    EXPECT_TRUE(label().visible());
}

TEST_F(HotspotTest, TranslationOffThenOn) {
    tk::UnitRef button = unit("超级按钮_中文提示");
    clickUnit("超级按钮_中文提示");
    EXPECT_TRUE(button.pressed());
    EXPECT_EQ(testing_ground::captionOf(button), "中文翻译开");
    EXPECT_EQ(tk::toUtf8(button.hint()), "中文翻译开");
    EXPECT_FALSE(reader::state().translation);

    const tk::UnitRef hotspot = unit("透明标签页二_3");
    pressHotspot(hotspot);
    expectPlayedAlone(content::pageClips(0)[2]);
    EXPECT_FALSE(label().visible());
    // The label is placed and filled all the same.
    expectLabelBeside(hotspot, dealLines(content::pageTextList(0)).chinese[2]);

    clickUnit("超级按钮_中文提示");
    EXPECT_FALSE(button.pressed());
    EXPECT_EQ(testing_ground::captionOf(button), "中文翻译关");
    EXPECT_EQ(tk::toUtf8(button.hint()), "中文翻译关");
    EXPECT_TRUE(reader::state().translation);
    EXPECT_FALSE(label().visible()) << "only the next press brings the label back";
    pressHotspot(hotspot);
    EXPECT_TRUE(label().visible());

    // Switching off leaves a label already shown as it is.
    clickUnit("超级按钮_中文提示");
    EXPECT_TRUE(label().visible());
}

TEST_F(HotspotTest, DraggedLabelComesBackBesideTheNextHotspot) {
    const tk::UnitRef first = unit("透明标签页二_2");
    pressHotspot(first);
    tk::UnitRef shown = label();
    const QPoint before(shown.left(), shown.top());
    testing_ground::press(shown, 5, 5);
    QMouseEvent move(QEvent::MouseMove, QPointF(65, 45), QPointF(65, 45), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.widget(), &move);
    testing_ground::release(shown, 65, 45);
    EXPECT_EQ(QPoint(shown.left(), shown.top()), before + QPoint(60, 40));
    EXPECT_EQ(ground.sound.playing().size(), 1U) << "dragging plays nothing";

    const tk::UnitRef second = unit("透明标签页二_4");
    pressHotspot(second);
    expectLabelBeside(second, dealLines(content::pageTextList(0)).chinese[3]);
}

TEST_F(HotspotTest, EachPressStopsThePreviousClip) {
    pressHotspot(unit("透明标签页二_1"));
    pressHotspot(unit("透明标签页二_2"));
    ASSERT_EQ(ground.sound.playing().size(), 1U);
    EXPECT_EQ(ground.sound.playing().front().clip, content::pageClips(0)[1]);
    EXPECT_EQ(ground.sound.stops(), 2);
}

} // namespace
