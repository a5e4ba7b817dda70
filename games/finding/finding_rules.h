// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word-finding games' rules, apart from their widgets: where the note and
// the four cards are written and clicked, how a question is drawn, and what
// the games say. Texts are GBK.

#include "rect.h"
#include "text.h"

#include <array>
#include <functional>

namespace finding {

// Chinese-to-English asks a meaning and offers words; English-to-Chinese
// asks a word and offers meanings.
enum class Direction { ChineseToEnglish, EnglishToChinese };

constexpr int kSlots = 4;
constexpr int kGameSeconds = 60;
constexpr int kQuestionFontSize = 20; // points

struct Place {
    int centreX = 0; // texts are centred on this line
    int textTop = 0;
};
constexpr Place kNotePlace{150, 250};
// Card k at k - 1: top left, top right, bottom left, bottom right.
Place slotPlace(int slot);
// The first card whose click area (open intervals) holds the point, or 0: the
// note, the margins and the gaps between cards are no card.
int slotUnder(int x, int y);
// Where a text width pixels wide starts so that it is centred on the line.
int centredLeft(int centreX, int width);

struct Question {
    tk::Text askedWord;
    tk::Text askedMeaning;              // without its notes
    tk::Text note;                      // what the note shows
    std::array<tk::Text, kSlots> cards; // card k at k - 1; empty: nothing written
    int answerSlot = 0;                 // 0: no question (no words)
};

using Draw = std::function<int(int min, int max)>; // min..max inclusive

// Draws a question as the games do: the entry, then the answer's card, then
// for each other card in order a different entry of the rest. Distractors
// are words, or meanings as stored (notes and all). With fewer than four
// entries the cards left over stay empty.
Question drawQuestion(Direction direction, const tk::TextArray& words,
                      const tk::TextArray& meanings, const Draw& draw);

// The label during a game, seconds left 59 down to 1.
tk::Text secondsLeftCaption(int secondsLeft);
// The message at the end of a game with misses: errorEntries is the error
// list's size, two entries a miss.
tk::Text missesMessage(int rightCount, int errorEntries);
tk::Text allCorrectMessage();
tk::Text allCorrectCaption(Direction direction);

} // namespace finding
