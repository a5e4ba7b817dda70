// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordering_logic.h"

#include <algorithm>

namespace ordering {

namespace {

constexpr int kPixelsPerByte = 13;
constexpr int kGap = 20;

} // namespace

tk::TextArray wordsOf(std::string_view line) {
    return tk::SplitText(line, " ");
}

bool isUsable(std::string_view line) {
    const auto words = static_cast<int>(wordsOf(line).size());
    return words >= kMinWords && words <= kMaxWords;
}

bool hasUsableLine(const tk::TextArray& english) {
    return std::any_of(english.begin(), english.end(),
                       [](const tk::Text& line) { return isUsable(line); });
}

bool listsFit(const common::PageLists& lists) {
    return lists.english.size() == lists.chinese.size() &&
           lists.clips.size() >= lists.english.size();
}

tk::Text lineAt(const tk::TextArray& lines, int k) {
    return k >= 1 && k <= static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(k - 1)]
                                                         : tk::Text();
}

tk::Clip clipAt(const tk::ClipList& clips, int k) {
    return k >= 1 && k <= static_cast<int>(clips.size()) ? clips[static_cast<std::size_t>(k - 1)]
                                                         : tk::Clip();
}

tk::TextArray scatter(tk::TextArray words, const std::function<int(int, int)>& draw) {
    tk::TextArray laidOut;
    laidOut.reserve(words.size());
    while (!words.empty()) {
        const int left = static_cast<int>(words.size());
        const int j = std::clamp(draw(1, left), 1, left);
        const auto taken = words.begin() + (j - 1);
        laidOut.push_back(std::move(*taken));
        words.erase(taken);
    }
    return laidOut;
}

int labelWidth(std::string_view word) {
    return kPixelsPerByte * tk::TextLength(word);
}

std::vector<LabelPlace> layoutLabels(const tk::TextArray& words, int firstLeft) {
    std::vector<LabelPlace> places;
    places.reserve(words.size());
    for (const tk::Text& word : words) {
        const int left =
            places.empty() ? firstLeft : places.back().left + places.back().width + kGap;
        places.push_back({left, labelWidth(word)});
    }
    return places;
}

int enlarged(int width) {
    return static_cast<int>(width * 1.5);
}

int shrunk(int width) {
    return static_cast<int>(width / 1.5);
}

bool isArrangedRight(std::string_view arranged, std::string_view sentence) {
    return tk::CompareText(tk::TrimText(arranged), sentence, true) == 0;
}

} // namespace ordering
