// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_boxes.h"

#include "answer_rules.h"
#include "catalogue.h"
#include "platform.h"
#include "window.h"

namespace exercises {

using tk::operator""_gbk;

namespace {

constexpr int kMarkTag = 90;

// A new, hidden mark on the box's page picture.
tk::UnitRef makeMark(tk::UnitRef box, tk::UnitRef pagePicture, AnswerMarks& marks) {
    tk::Window* window = box.window();
    if (!window) {
        return {};
    }
    tk::UnitRef mark = tk::CloneUnit(window->unit("图片框_正确"), pagePicture);
    mark.setTag(tk::ToText(kMarkTag));
    marks.made = true;
    return mark;
}

void showMark(tk::UnitRef mark, Mark which, MarkCorner corner) {
    mark.setPicture(content::picture(which == Mark::Tick ? content::PictureRole::TickMark
                                                         : content::PictureRole::CrossMark));
    mark.setGeometry(corner.left, corner.top, mark.width(), mark.height());
    mark.setVisible(true);
}

bool rightAnswerWanted() {
    return tk::ShowMessage("答案填写不正确！是否提示正确答案？"_gbk, tk::kYesNoQuestion,
                           "答案不正确！"_gbk) == tk::kYes;
}

} // namespace

void judgeTick(tk::UnitRef box, tk::UnitRef pagePicture, bool belongsTicked, AnswerMarks& marks) {
    const tk::UnitRef mark = makeMark(box, pagePicture, marks);
    showMark(mark, tickMark(box.checked(), belongsTicked), tickMarkCorner(box.left(), box.top()));
}

void judgeWriteIn(tk::UnitRef box, tk::UnitRef pagePicture, const tk::Text& answer,
                  AnswerMarks& marks) {
    const tk::UnitRef mark = makeMark(box, pagePicture, marks);
    const tk::Text content = box.text();
    const WriteIn verdict = judgeWriteIn(content, answer);
    const MarkCorner corner = writeInMarkCorner(box.left(), box.top(), box.width());
    if (verdict == WriteIn::Nothing) {
        return;
    }
    if (verdict == WriteIn::Wrong && content.size() > answer.size()) {
        // Too long: the cross shows while the question is asked.
        showMark(mark, Mark::Cross, corner);
        if (rightAnswerWanted()) {
            box.setText(answer);
        }
        return;
    }
    if (verdict == WriteIn::Wrong && rightAnswerWanted()) {
        box.setText(answer);
    }
    showMark(mark, verdict == WriteIn::Right ? Mark::Tick : Mark::Cross, corner);
}

void hideAnswerMarks(tk::Window& window, const AnswerMarks& marks) {
    if (!marks.made) {
        return;
    }
    for (tk::UnitRef mark : tk::FindUnits(&window, {}, {}, kMarkTag - 1, kMarkTag + 1)) {
        mark.setVisible(false);
    }
}

} // namespace exercises
