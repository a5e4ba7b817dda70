// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time as the screens see it: the tick count, timers and Delay. Tests put a
// clock they advance by hand in its place.

#include <cstdint>
#include <functional>

namespace tk {

class Clock {
  public:
    using TimerId = int;

    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
    virtual TimerId startTimer(int intervalMs, std::function<void()> tick) = 0;
    virtual void stopTimer(TimerId id) = 0;
    // Blocks for ms milliseconds: timer ticks and input wait until it ends,
    // painting goes on.
    virtual void delay(int ms) = 0;
};

void Delay(int ms);
std::int64_t TickCount();

} // namespace tk
