// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fillin_logic.h"

#include <algorithm>
#include <cmath>

namespace fillin {

namespace {

// The words of a line as they would be asked.
tk::TextArray askedWords(std::string_view line) {
    tk::TextArray words = tk::SplitText(line, " ");
    for (tk::Text& word : words) {
        word = withoutTrailingMark(word);
    }
    return words;
}

} // namespace

tk::Text withoutTrailingMark(std::string_view word) {
    if (!word.empty()) {
        const char last = word.back();
        if (last == ',' || last == '!' || last == '.' || last == '?') {
            word.remove_suffix(1);
        }
    }
    return tk::Text(word);
}

bool isAskable(std::string_view word) {
    return !word.empty() && word != "$";
}

std::optional<Question> drawQuestion(const tk::TextArray& lines, const Draws& draws) {
    const bool any = std::any_of(lines.begin(), lines.end(), [](const tk::Text& line) {
        const tk::TextArray words = askedWords(line);
        return std::any_of(words.begin(), words.end(),
                           [](const tk::Text& word) { return isAskable(word); });
    });
    if (!any) {
        return std::nullopt;
    }
    const int count = static_cast<int>(lines.size());
    for (;;) {
        draws.reseed();
        const int index = draws.between(1, count);
        if (index < 1 || index > count) {
            continue;
        }
        const tk::TextArray words = askedWords(lines[static_cast<std::size_t>(index - 1)]);
        const int j = draws.between(1, static_cast<int>(words.size()));
        if (j < 1 || j > static_cast<int>(words.size())) {
            continue;
        }
        const tk::Text& word = words[static_cast<std::size_t>(j - 1)];
        if (isAskable(word)) {
            return Question{index, word};
        }
    }
}

BoxPlace answerBoxOver(std::string_view line, std::string_view word, int lineLeft,
                       const LineAdvance& advance) {
    const int found = tk::FindText(line, word, 1, true);
    const int before = found < 1 ? 0 : found - 1;
    const double start = advance(line, before);
    const double end = advance(line, before + tk::TextLength(word));
    const int left = static_cast<int>(std::floor(start));
    return {lineLeft + left, static_cast<int>(std::ceil(end)) - left};
}

} // namespace fillin
