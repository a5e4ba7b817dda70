// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The tick boxes and write-in boxes over the book's listening exercises:
// each change judged at once, marks beside the box, the offer of the right
// answer, and what page moves keep and hide.
#include "exercise_fixture.h"
#include "unit_widgets.h"

#include <gtest/gtest.h>

using reader_tests::ExerciseTest;

namespace {

class AnswerBoxTest : public ExerciseTest {
  protected:
    tk::UnitArray marks() const { return tk::FindUnits(window.get(), {}, {}, 90, 90); }
    tk::UnitArray shownMarks() const {
        tk::UnitArray shown;
        for (const tk::UnitRef& mark : marks()) {
            if (mark.visible()) {
                shown.push_back(mark);
            }
        }
        return shown;
    }
    static QByteArray tick() { return content::picture(content::PictureRole::TickMark); }
    static QByteArray cross() { return content::picture(content::PictureRole::CrossMark); }
    // The picture the child sees on top at a point of the page picture.
    QByteArray topPictureAt(int x, int y) const {
        QWidget* top = pagePicture().widget()->childAt(x, y);
        for (const tk::UnitRef& mark : marks()) {
            if (mark.widget() == top) {
                return mark.picture();
            }
        }
        return {};
    }
    void typeInto(const char* box, const char* text) {
        tk::UnitRef edit = unit(box);
        testing_ground::type(edit, text);
    }
    void clearBox(const char* box) {
        QWidget* edit = unit(box).widget();
        edit->setFocus();
        testing_ground::pressKey(unit(box), Qt::Key_Backspace);
    }
    const testing_ground::FakePlatform::Message* question() const {
        for (const auto& message : ground.platform.messages) {
            if (message.content == "答案填写不正确！是否提示正确答案？") {
                return &message;
            }
        }
        return nullptr;
    }
};

// Every tick box, first click and second: a tick when it now agrees with the
// key, 20 pixels right of the box and level with it.
TEST_F(AnswerBoxTest, EveryTickBoxIsJudgedOnEveryClick) {
    int judged = 0;
    for (const content::AnswerBox& answer : content::answerBoxes()) {
        if (answer.kind != content::AnswerBox::Kind::Tick) {
            continue;
        }
        openBookPage(answer.bookPage);
        const tk::UnitRef box = unit(answer.unitName);
        const bool belongsTicked = answer.answer == "yes";
        for (const bool nowTicked : {true, false}) {
            testing_ground::click(box);
            ASSERT_EQ(box.checked(), nowTicked) << answer.unitName;
            const tk::UnitArray shown = shownMarks();
            ASSERT_FALSE(shown.empty()) << answer.unitName;
            const tk::UnitRef mark = shown.back();
            EXPECT_EQ(mark.picture(), nowTicked == belongsTicked ? tick() : cross())
                << answer.unitName << " ticked " << nowTicked;
            EXPECT_EQ(mark.left(), box.left() + 20) << answer.unitName;
            EXPECT_EQ(mark.top(), box.top()) << answer.unitName;
            EXPECT_EQ(mark.width(), 20);
            EXPECT_EQ(mark.height(), 20);
            EXPECT_EQ(topPictureAt(mark.left() + 10, mark.top() + 10), mark.picture())
                << answer.unitName;
            ++judged;
        }
    }
    EXPECT_EQ(judged, 24);
    EXPECT_EQ(marks().size(), 24U);
}

TEST_F(AnswerBoxTest, ARightDigitEarnsATickBesideTheBox) {
    openBookPage(10);
    typeInto("编辑框10_1", "4");
    const tk::UnitRef box = unit("编辑框10_1");
    ASSERT_EQ(shownMarks().size(), 1U);
    const tk::UnitRef mark = shownMarks().front();
    EXPECT_EQ(mark.picture(), tick());
    EXPECT_EQ(mark.left(), box.left() + box.width() + 5);
    EXPECT_EQ(mark.top(), box.top() - 20);
    EXPECT_EQ(question(), nullptr);
}

// "7": a cross and the offer; Yes puts "4" in, judged again: a tick over the
// cross.
TEST_F(AnswerBoxTest, AWrongDigitOffersTheRightOneWhichIsJudgedInTurn) {
    openBookPage(10);
    ground.platform.answers = {tk::kYes};
    typeInto("编辑框10_1", "7");
    const auto* asked = question();
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->caption, "答案不正确！");
    EXPECT_EQ(asked->flags, 0x24);
    EXPECT_EQ(testing_ground::captionOf(unit("编辑框10_1")), "4");
    const tk::UnitArray shown = shownMarks();
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[0].picture(), cross());
    EXPECT_EQ(shown[1].picture(), tick());
    EXPECT_EQ(shown[0].left(), shown[1].left());
    EXPECT_EQ(shown[0].top(), shown[1].top());
    EXPECT_EQ(topPictureAt(shown[0].left() + 10, shown[0].top() + 10), tick());
}

// "44": the second character makes it longer than the answer; No keeps it.
TEST_F(AnswerBoxTest, ASecondCharacterIsACrossAndTheOfferRefusedKeepsIt) {
    openBookPage(10);
    typeInto("编辑框10_1", "4");
    typeInto("编辑框10_1", "4");
    ASSERT_NE(question(), nullptr);
    EXPECT_EQ(testing_ground::captionOf(unit("编辑框10_1")), "44");
    const tk::UnitArray shown = shownMarks();
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown.back().picture(), cross());
    EXPECT_EQ(topPictureAt(shown.back().left() + 10, shown.back().top() + 10), cross());

    // Correcting it: back to "4" is judged right again.
    clearBox("编辑框10_1");
    EXPECT_EQ(shownMarks().back().picture(), tick());
    EXPECT_EQ(topPictureAt(shown.back().left() + 10, shown.back().top() + 10), tick());
}

TEST_F(AnswerBoxTest, DeletingTheDigitShowsNothingNew) {
    openBookPage(10);
    typeInto("编辑框10_1", "4");
    const std::size_t made = marks().size();
    clearBox("编辑框10_1");
    EXPECT_EQ(testing_ground::captionOf(unit("编辑框10_1")), "");
    EXPECT_EQ(marks().size(), made + 1) << "a mark is made, and stays hidden";
    EXPECT_FALSE(marks().back().visible());
    EXPECT_EQ(shownMarks().size(), 1U);
    EXPECT_TRUE(ground.platform.messages.empty());
}

// Page moves hide the marks and keep the answers; the drill keeps both.
TEST_F(AnswerBoxTest, TurningThePageAndBackKeepsTicksAndDigitsWithoutMarks) {
    openBookPage(10);
    typeInto("编辑框10_2", "3");
    openBookPage(44);
    EXPECT_TRUE(shownMarks().empty()) << "the move hid page 10's mark";
    testing_ground::click(unit("选择框打钩44_1"));
    ASSERT_EQ(shownMarks().size(), 1U);

    clickUnit("超级按钮_背单词");
    EXPECT_EQ(shownMarks().size(), 1U) << "a visit to the drill hides nothing";
    clickUnit("超级按钮_上一页");
    EXPECT_TRUE(shownMarks().empty());
    openBookPage(44);
    EXPECT_TRUE(unit("选择框打钩44_1").checked());
    EXPECT_TRUE(shownMarks().empty());
    testing_ground::pick(unit("组合框课程选择"), 2);
    openBookPage(10);
    EXPECT_EQ(testing_ground::captionOf(unit("编辑框10_2")), "3");
    EXPECT_TRUE(shownMarks().empty());
}

// Every write-in box takes its own digit.
TEST_F(AnswerBoxTest, EveryWriteInBoxTakesItsOwnDigit) {
    for (const content::AnswerBox& answer : content::answerBoxes()) {
        if (answer.kind != content::AnswerBox::Kind::Write) {
            continue;
        }
        openBookPage(answer.bookPage);
        typeInto(answer.unitName.c_str(), answer.answer.c_str());
        ASSERT_FALSE(shownMarks().empty()) << answer.unitName;
        EXPECT_EQ(shownMarks().back().picture(), tick()) << answer.unitName;
    }
    EXPECT_EQ(marks().size(), 14U);
    EXPECT_TRUE(ground.platform.messages.empty());
}

} // namespace
