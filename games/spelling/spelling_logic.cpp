// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling_logic.h"

#include <algorithm>

namespace spelling {

using tk::operator""_gbk;

namespace {

template <typename T> T itemAt(const std::vector<T>& items, int k) {
    return k >= 1 && k <= static_cast<int>(items.size()) ? items[static_cast<std::size_t>(k - 1)]
                                                         : T{};
}

} // namespace

bool fitsTheRow(std::string_view word) {
    return !word.empty() && word.size() <= static_cast<std::size_t>(kCells) &&
           std::all_of(word.begin(), word.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

std::vector<int> askableWords(const tk::TextArray& words) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (fitsTheRow(words[i])) {
            numbers.push_back(static_cast<int>(i) + 1);
        }
    }
    return numbers;
}

tk::Text textAt(const tk::TextArray& texts, int k) {
    return itemAt(texts, k);
}

tk::Clip clipAt(const tk::ClipList& clips, int k) {
    return itemAt(clips, k);
}

int takeWord(std::vector<int>& remaining, int r) {
    if (r < 1 || r > static_cast<int>(remaining.size())) {
        return 0;
    }
    const auto taken = remaining.begin() + (r - 1);
    const int number = *taken;
    remaining.erase(taken);
    return number;
}

tk::Text scatter(std::string_view word, const Draw& draw) {
    tk::Text left(word);
    tk::Text cells(word.size(), ' ');
    for (std::size_t i = 1; i <= word.size(); ++i) {
        // A draw outside the letters left takes the nearest one.
        const int k =
            std::clamp(draw(1, static_cast<int>(left.size())), 1, static_cast<int>(left.size()));
        cells[word.size() - i] = left[static_cast<std::size_t>(k - 1)];
        left.erase(static_cast<std::size_t>(k - 1), 1);
    }
    return cells;
}

bool isSpelledRight(std::string_view result, std::string_view word) {
    return tk::CompareText(result, word, true) == 0;
}

tk::Text summaryText(int words, int misses) {
    return "本课共"_gbk + tk::ToText(words) + "个单词,错误"_gbk + tk::ToText(misses) +
           (misses != 0 ? "个。继续努力哦！"_gbk : "个。继续保持哦！"_gbk);
}

} // namespace spelling
