// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exercises and games say after a judgement: one of three praise
// clips for a right answer, one of the retry clips for a wrong one, and the
// completion clip when an exercise is done. Every judgement draws both
// numbers afresh, right or wrong.

#include "outcome.h"

#include <span>

namespace common {

struct FeedbackDraw {
    int praise = 1; // 1-3
    int retry = 1;  // 1 to the number of retry clips the screen uses
};

// The retry clips of the reader's exercises, and the three the sentence
// games use (the second is left out), by their numbers 1-4.
inline constexpr int kAllRetries[] = {1, 2, 3, 4};
inline constexpr int kGameRetries[] = {1, 3, 4};

// Reseeds the generator from the tick count and draws a praise number, then
// a retry number for a screen with retryCount retry clips.
FeedbackDraw drawFeedback(int retryCount);

// Plays the praise clip of the draw, or the retry clip that the draw picks
// from retries. Sound already playing goes on.
void playFeedback(Outcome outcome, const FeedbackDraw& draw, std::span<const int> retries);
void playCompletion();

} // namespace common
