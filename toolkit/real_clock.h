// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wall-clock time on the Qt event loop.

#include "clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <map>
#include <memory>

class QTimer;

namespace tk {

class RealClock : public Clock {
  public:
    RealClock();
    ~RealClock() override;
    std::int64_t nowMs() const override;
    TimerId startTimer(int intervalMs, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    void delay(int ms) override;

  private:
    struct Running {
        std::unique_ptr<QTimer> timer;
        std::function<void()> tick;
        bool heldTick = false;
    };
    void onTick(TimerId id);

    QElapsedTimer elapsed_;
    std::map<TimerId, Running> timers_;
    TimerId nextId_ = 1;
    int delaying_ = 0;
};

} // namespace tk
