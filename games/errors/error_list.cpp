// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "error_list.h"

namespace errors {

void append(tk::TextArray& list, const tk::Text& word, const tk::Text& meaning) {
    list.push_back(word);
    list.push_back(meaning);
}

int entryCount(const tk::TextArray& list) {
    return static_cast<int>(list.size());
}

int missedWords(const tk::TextArray& list) {
    return entryCount(list) / 2;
}

void clear(tk::TextArray& list) {
    list.clear();
}

tk::Text reportText(const tk::TextArray& list) {
    tk::Text text;
    for (const tk::Text& entry : list) {
        text += entry + "\r\n";
    }
    return text;
}

} // namespace errors
