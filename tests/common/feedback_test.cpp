// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The praise, retry and completion feedback every exercise and game shares.
#include "catalogue.h"
#include "common/feedback.h"
#include "support/ground.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using common::Outcome;
using content::Effect;

class FeedbackTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override { content::loadBook(); }
};

TEST_F(FeedbackTest, EveryDrawIsAfreshAndInRange) {
    for (const int retries : {3, 4}) {
        std::set<int> praises;
        std::set<int> retryDraws;
        for (int i = 0; i < 200; ++i) {
            ground.clock.advance(7);
            const common::FeedbackDraw draw = common::drawFeedback(retries);
            praises.insert(draw.praise);
            retryDraws.insert(draw.retry);
        }
        EXPECT_EQ(praises, (std::set<int>{1, 2, 3}));
        std::set<int> all;
        for (int n = 1; n <= retries; ++n) {
            all.insert(n);
        }
        EXPECT_EQ(retryDraws, all) << retries << " retry clips";
    }
}

TEST_F(FeedbackTest, PlaysTheClipTheDrawPicks) {
    struct Case {
        Outcome outcome;
        common::FeedbackDraw draw;
        std::span<const int> retries;
        std::vector<tk::Clip> expected;
    };
    const Case cases[] = {
        {Outcome::Right, {2, 4}, common::kAllRetries, {content::effect(Effect::Praise2)}},
        {Outcome::Wrong, {2, 4}, common::kAllRetries, {content::effect(Effect::Retry4)}},
        {Outcome::Wrong, {1, 2}, common::kAllRetries, {content::effect(Effect::Retry2)}},
        // The sentence games leave the second retry clip out.
        {Outcome::Wrong, {1, 2}, common::kGameRetries, {content::effect(Effect::Retry3)}},
        {Outcome::Wrong, {1, 3}, common::kGameRetries, {content::effect(Effect::Retry4)}},
        // Nothing is read outside the lists.
        {Outcome::Wrong, {1, 4}, common::kGameRetries, {}},
        {Outcome::Right, {0, 1}, common::kGameRetries, {}},
        {Outcome::Right, {4, 1}, common::kGameRetries, {}},
    };
    for (const Case& c : cases) {
        ground.sound.forget();
        common::playFeedback(c.outcome, c.draw, c.retries);
        EXPECT_EQ(ground.sound.played(), c.expected)
            << (c.outcome == Outcome::Right ? "right" : "wrong") << " " << c.draw.praise << "/"
            << c.draw.retry;
    }
    for (const tk::Clip& clip :
         {content::effect(Effect::Praise2), content::effect(Effect::Retry2),
          content::effect(Effect::Retry3), content::effect(Effect::Retry4)}) {
        EXPECT_FALSE(clip.empty());
    }
}

TEST_F(FeedbackTest, TheCompletionClipEndsAnExercise) {
    common::playCompletion();
    EXPECT_EQ(ground.sound.played(), std::vector<tk::Clip>{content::effect(Effect::Completion)});
    EXPECT_EQ(ground.sound.stops(), 0) << "feedback leaves stopping to its caller";
}

} // namespace
