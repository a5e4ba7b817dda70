// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sound output that remembers what the screens started, looped and
// stopped, in order.

#include "sound.h"

#include <vector>

namespace testing_ground {

class RecordingSound : public tk::SoundOutput {
  public:
    struct Call {
        enum class What { Play, Stop } what = What::Play;
        tk::Clip clip;
        bool loop = false;
        friend bool operator==(const Call&, const Call&) = default;
    };

    void play(tk::Clip clip, bool loop) override;
    void stopAll() override;

    const std::vector<Call>& calls() const { return calls_; }
    // Clips started since the last stop, in order.
    const std::vector<Call>& playing() const { return playing_; }
    std::vector<tk::Clip> played() const;
    tk::Clip lastPlayed() const;
    int stops() const;
    void forget();

  private:
    std::vector<Call> calls_;
    std::vector<Call> playing_;
};

} // namespace testing_ground
