// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "error_report.h"

#include "error_list.h"
#include "window.h"

namespace errors {

tk::WindowDef reportWindow(tk::TextArray& list) {
    tk::WindowDef window;
    window.name = "错误单词列表";
    window.caption = "错误单词列表！";
    window.width = 380;
    window.height = 250;
    window.left = 50;
    window.top = 50;
    tk::UnitDef box = tk::unitDef(kReportBox, tk::Kind::EditBox, {0, 0, 372, 220});
    box.multiLine = true;
    box.font.size = 20;
    box.textColor = tk::Rgb(0, 0, 0);
    box.backgroundColor = tk::Rgb(255, 255, 255);
    window.units = {box};
    tk::TextArray* errors = &list;
    window.bindings = {
        {"", tk::Event::Created,
         [errors](const tk::EventArgs&) {
             if (tk::Window* report = tk::EventUnit().window()) {
                 report->unit(kReportBox).setText(reportText(*errors));
             }
         }},
        {"", tk::Event::Closed, [errors](const tk::EventArgs&) { clear(*errors); }},
    };
    return window;
}

void showErrorReport(tk::TextArray& list, tk::Window* parent) {
    tk::LoadWindow(reportWindow(list), parent, true);
}

} // namespace errors
