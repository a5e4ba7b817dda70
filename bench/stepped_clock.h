// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time moved by hand, for the sprite box's benchmarks: every advance runs
// the timers due in it, in order, and nothing else moves the time.

#include "clock.h"

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

class SteppedClock : public tk::Clock {
  public:
    std::int64_t nowMs() const override { return now_; }
    TimerId startTimer(int intervalMs, std::function<void()> tick) override {
        timers_[next_] = {intervalMs, now_ + intervalMs, std::move(tick)};
        return next_++;
    }
    void stopTimer(TimerId id) override { timers_.erase(id); }
    void delay(int ms) override { advance(ms); }
    void advance(int ms) {
        const std::int64_t end = now_ + ms;
        for (;;) {
            auto due = timers_.end();
            for (auto it = timers_.begin(); it != timers_.end(); ++it) {
                if (it->second.due <= end &&
                    (due == timers_.end() || it->second.due < due->second.due)) {
                    due = it;
                }
            }
            if (due == timers_.end()) {
                break;
            }
            now_ = due->second.due;
            due->second.due += due->second.interval;
            const std::function<void()> tick = due->second.tick;
            tick();
        }
        now_ = end;
    }

  private:
    struct Running {
        int interval = 0;
        std::int64_t due = 0;
        std::function<void()> tick;
    };
    std::int64_t now_ = 0;
    std::map<TimerId, Running> timers_;
    TimerId next_ = 1;
};
