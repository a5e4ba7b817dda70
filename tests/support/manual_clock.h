// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock that tests advance by hand: a one-minute game runs in
// milliseconds, timers tick in a known order.

#include "clock.h"

#include <map>
#include <vector>

namespace testing_ground {

class ManualClock : public tk::Clock {
  public:
    std::int64_t nowMs() const override { return now_; }
    TimerId startTimer(int intervalMs, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    // Advances the time; ticks held back by a Delay come first, then every
    // timer due on the way, in time order.
    void delay(int ms) override;

    void advance(std::int64_t ms);
    int runningTimers() const { return static_cast<int>(timers_.size()); }
    const std::vector<int>& delays() const { return delays_; }
    // Runs inside every Delay, before its time passes: what the child does
    // while the program waits.
    std::function<void(int ms)> duringDelay;

  private:
    struct Running {
        int interval = 0;
        std::int64_t due = 0;
        std::function<void()> tick;
        bool held = false;
    };
    void fire(TimerId id);

    std::int64_t now_ = 1000;
    std::map<TimerId, Running> timers_;
    TimerId nextId_ = 1;
    int delaying_ = 0;
    std::vector<int> delays_;
};

} // namespace testing_ground
