// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "finding_rules.h"

#include "lists.h"

#include <string>

namespace finding {

using tk::operator""_gbk;

namespace {

struct Card {
    Place place;
    tk::Rect clickArea; // its edges are outside it
};

constexpr std::array<Card, kSlots> kCards = {{
    {{460, 150}, {370, 84, 180, 166}},
    {{680, 150}, {590, 84, 180, 166}},
    {{460, 360}, {370, 290, 180, 160}},
    {{680, 360}, {590, 290, 180, 160}},
}};

bool strictlyInside(const tk::Rect& r, int x, int y) {
    return x > r.left && x < r.left + r.width && y > r.top && y < r.top + r.height;
}

// Entry k (from 1) of the list, empty where the list has none.
tk::Text entry(const tk::TextArray& list, int k) {
    return k >= 1 && k <= static_cast<int>(list.size()) ? list[static_cast<std::size_t>(k - 1)]
                                                        : tk::Text();
}

} // namespace

Place slotPlace(int slot) {
    return slot >= 1 && slot <= kSlots ? kCards[static_cast<std::size_t>(slot - 1)].place : Place{};
}

int slotUnder(int x, int y) {
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (strictlyInside(kCards[static_cast<std::size_t>(slot - 1)].clickArea, x, y)) {
            return slot;
        }
    }
    return 0;
}

int centredLeft(int centreX, int width) {
    // Truncated towards zero, as the text's half width may be a half pixel.
    return static_cast<int>(centreX - width / 2.0);
}

Question drawQuestion(Direction direction, const tk::TextArray& words,
                      const tk::TextArray& meanings, const Draw& draw) {
    Question q;
    if (words.empty()) {
        return q;
    }
    const bool asksMeaning = direction == Direction::ChineseToEnglish;
    const int k = draw(1, static_cast<int>(words.size()));
    q.askedWord = entry(words, k);
    q.askedMeaning = withoutNotes(entry(meanings, k));
    q.note = asksMeaning ? q.askedMeaning : q.askedWord;

    tk::TextArray pool = asksMeaning ? words : meanings;
    if (k <= static_cast<int>(pool.size())) {
        pool.erase(pool.begin() + (k - 1));
    }
    q.answerSlot = draw(1, kSlots);
    for (int slot = 1; slot <= kSlots; ++slot) {
        tk::Text& card = q.cards[static_cast<std::size_t>(slot - 1)];
        if (slot == q.answerSlot) {
            card = asksMeaning ? q.askedWord : q.askedMeaning;
        } else if (!pool.empty()) {
            const int j = draw(1, static_cast<int>(pool.size()));
            card = pool[static_cast<std::size_t>(j - 1)];
            pool.erase(pool.begin() + (j - 1));
        }
    }
    return q;
}

tk::Text secondsLeftCaption(int secondsLeft) {
    return "剩余秒；"_gbk + std::to_string(secondsLeft);
}

tk::Text missesMessage(int rightCount, int errorEntries) {
    return "一分钟内你正确"_gbk + std::to_string(rightCount) + "个。"_gbk + "\r\n" + "错误"_gbk +
           std::to_string(errorEntries / 2) + "个。继续努力哦！错误情况如下："_gbk;
}

tk::Text allCorrectMessage() {
    return "太棒了！你竟然全对了，继续保持哦！"_gbk;
}

tk::Text allCorrectCaption(Direction direction) {
    return direction == Direction::ChineseToEnglish ? "信息："_gbk : tk::Text();
}

} // namespace finding
