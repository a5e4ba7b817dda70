// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manual_clock.h"

#include <algorithm>

namespace testing_ground {

tk::Clock::TimerId ManualClock::startTimer(int intervalMs, std::function<void()> tick) {
    const TimerId id = nextId_++;
    timers_[id] = Running{intervalMs, now_ + intervalMs, std::move(tick), false};
    return id;
}

void ManualClock::stopTimer(TimerId id) {
    timers_.erase(id);
}

void ManualClock::fire(TimerId id) {
    const auto found = timers_.find(id);
    if (found == timers_.end()) {
        return;
    }
    if (delaying_ > 0) {
        found->second.held = true;
        return;
    }
    const std::function<void()> tick = found->second.tick;
    tick();
}

void ManualClock::delay(int ms) {
    delays_.push_back(ms);
    ++delaying_;
    if (duringDelay) {
        duringDelay(ms);
    }
    advance(ms);
    --delaying_;
}

void ManualClock::advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    if (delaying_ == 0) {
        std::vector<TimerId> held;
        for (auto& [id, running] : timers_) {
            if (running.held) {
                running.held = false;
                held.push_back(id);
            }
        }
        for (TimerId id : held) {
            fire(id);
        }
    }
    for (;;) {
        TimerId next = 0;
        std::int64_t due = end + 1;
        for (const auto& [id, running] : timers_) {
            if (running.due < due) {
                due = running.due;
                next = id;
            }
        }
        if (next == 0) {
            break;
        }
        now_ = due;
        Running& running = timers_[next];
        running.due += running.interval;
        fire(next);
    }
    // A tick may have waited past the end (a Delay, a message box the test
    // let time pass in): time never runs back.
    now_ = std::max(now_, end);
}

} // namespace testing_ground
