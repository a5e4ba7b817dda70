// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill_logic.h"

namespace drill {

using tk::operator""_gbk;

namespace {

tk::Text status(const tk::Text& unitText, int meaningCount, const tk::Text& errors, int misses) {
    return unitText + "共"_gbk + tk::ToText(meaningCount) + "个单词。"_gbk + errors +
           tk::ToText(misses) + "个"_gbk;
}

template <typename T> T itemAt(const std::vector<T>& items, int k) {
    return k >= 1 && k <= static_cast<int>(items.size()) ? items[static_cast<std::size_t>(k - 1)]
                                                         : T{};
}

} // namespace

tk::Text askingStatus(const tk::Text& unitText, int meaningCount, int misses) {
    return status(unitText, meaningCount, "目前错误"_gbk, misses);
}

tk::Text finishedStatus(const tk::Text& unitText, int meaningCount, int misses) {
    return status(unitText, meaningCount, "共错误"_gbk, misses);
}

tk::Text missEntry(const tk::Text& word, const tk::Text& meaning) {
    return word + meaning + "\r\n";
}

tk::Text missRecord(const tk::TextArray& misses) {
    tk::Text record;
    for (const tk::Text& entry : misses) {
        record += entry + "\r\n";
    }
    return record;
}

bool isRight(std::string_view answer, std::string_view expected) {
    return tk::CompareText(answer, expected, true) == 0;
}

std::vector<int> allWordNumbers(int count) {
    std::vector<int> numbers;
    for (int k = 1; k <= count; ++k) {
        numbers.push_back(k);
    }
    return numbers;
}

int nextWordNumber(int order, int questionNumber, std::vector<int>& unasked,
                   const std::function<int(int, int)>& draw) {
    if (order == kTextbookOrder) {
        return questionNumber;
    }
    const int r = draw(1, static_cast<int>(unasked.size()));
    if (r < 1 || r > static_cast<int>(unasked.size())) {
        return 0;
    }
    const auto taken = unasked.begin() + (r - 1);
    const int number = *taken;
    unasked.erase(taken);
    return number;
}

tk::Text textAt(const tk::TextArray& texts, int k) {
    return itemAt(texts, k);
}

tk::Clip clipAt(const tk::ClipList& clips, int k) {
    return itemAt(clips, k);
}

} // namespace drill
