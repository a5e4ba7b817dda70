// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tick boxes and write-in boxes on the page: each change is judged at
// once and earns a tick or cross mark beside the box. Marks are made from
// the template 图片框_正确 on the box's page picture, tagged 90, and never
// reused: a new judgement lays a new mark over the earlier ones.

#include "text.h"
#include "unit_ref.h"

namespace tk {
class Window;
}

namespace exercises {

struct AnswerMarks {
    bool made = false; // any mark since start: until then hiding is skipped
};

// After a click has toggled the box.
void judgeTick(tk::UnitRef box, tk::UnitRef pagePicture, bool belongsTicked, AnswerMarks& marks);
// After any change of the box's content, typed or set by the program. A
// wrong answer offers the right one; taking it is a change judged in turn.
void judgeWriteIn(tk::UnitRef box, tk::UnitRef pagePicture, const tk::Text& answer,
                  AnswerMarks& marks);
// Hides every mark; the boxes keep their ticks and digits.
void hideAnswerMarks(tk::Window& window, const AnswerMarks& marks);

} // namespace exercises
