// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback.h"

#include "catalogue.h"
#include "random.h"
#include "sound.h"

#include <array>

namespace common {

namespace {

constexpr std::array kPraise = {content::Effect::Praise1, content::Effect::Praise2,
                                content::Effect::Praise3};
constexpr std::array kRetry = {content::Effect::Retry1, content::Effect::Retry2,
                               content::Effect::Retry3, content::Effect::Retry4};

// Clip n (1-based) of a list; nothing outside it.
template <std::size_t N> tk::Clip clipOf(const std::array<content::Effect, N>& clips, int n) {
    return n >= 1 && n <= static_cast<int>(N)
               ? content::effect(clips[static_cast<std::size_t>(n - 1)])
               : tk::Clip();
}

} // namespace

FeedbackDraw drawFeedback(int retryCount) {
    tk::SeedRandom();
    FeedbackDraw draw;
    draw.praise = tk::RandomInt(1, static_cast<int>(kPraise.size()));
    draw.retry = tk::RandomInt(1, retryCount);
    return draw;
}

void playFeedback(Outcome outcome, const FeedbackDraw& draw, std::span<const int> retries) {
    if (outcome == Outcome::Right) {
        tk::PlayClip(clipOf(kPraise, draw.praise));
        return;
    }
    const int pick = draw.retry;
    if (pick >= 1 && pick <= static_cast<int>(retries.size())) {
        tk::PlayClip(clipOf(kRetry, retries[static_cast<std::size_t>(pick - 1)]));
    }
}

void playCompletion() {
    tk::PlayClip(content::effect(content::Effect::Completion));
}

} // namespace common
