// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists.h"

#include <utility>

using tk::operator""_gbk;

DealtLists dealLines(std::string_view listText) {
    DealtLists lists;
    tk::TextArray lines = tk::SplitText(listText, "\r\n");
    lists.english.reserve((lines.size() + 1) / 2);
    lists.chinese.reserve(lines.size() / 2);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        (i % 2 == 0 ? lists.english : lists.chinese).push_back(std::move(lines[i]));
    }
    return lists;
}

void dealLines(std::string_view listText, tk::TextArray& english, tk::TextArray& chinese) {
    DealtLists lists = dealLines(listText);
    english = std::move(lists.english);
    chinese = std::move(lists.chinese);
}

tk::Text withoutNotes(std::string_view text) {
    const tk::Text open = "（"_gbk;
    const tk::Text close = "）"_gbk;
    tk::Text rest(text);
    for (;;) {
        const int from = tk::FindText(rest, open);
        const int to = from < 0 ? -1 : tk::FindText(rest, close, from + tk::TextLength(open));
        // A "）" before the first "（" closes nothing.
        if (to < 0) {
            return rest;
        }
        rest = tk::ReplaceText(rest, from, to + tk::TextLength(close) - from, "");
    }
}
