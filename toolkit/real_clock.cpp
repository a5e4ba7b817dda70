// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "real_clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <vector>

namespace tk {

RealClock::RealClock() {
    elapsed_.start();
}

RealClock::~RealClock() = default;

std::int64_t RealClock::nowMs() const {
    return elapsed_.elapsed();
}

Clock::TimerId RealClock::startTimer(int intervalMs, std::function<void()> tick) {
    const TimerId id = nextId_++;
    Running& running = timers_[id];
    running.timer = std::make_unique<QTimer>();
    running.timer->setTimerType(Qt::PreciseTimer);
    running.tick = std::move(tick);
    QObject::connect(running.timer.get(), &QTimer::timeout, [this, id] { onTick(id); });
    running.timer->start(intervalMs);
    return id;
}

void RealClock::stopTimer(TimerId id) {
    timers_.erase(id);
}

void RealClock::onTick(TimerId id) {
    const auto found = timers_.find(id);
    if (found == timers_.end()) {
        return;
    }
    if (delaying_ > 0) {
        // Held back until the delay ends; ticks missed meanwhile come as one.
        found->second.heldTick = true;
        return;
    }
    // A copy: the tick may stop its own timer.
    const std::function<void()> tick = found->second.tick;
    tick();
}

void RealClock::delay(int ms) {
    if (ms > 0) {
        ++delaying_;
        // Input waits in the queue; paint events and the held timers' own
        // bookkeeping go on, so the window never looks hung.
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        --delaying_;
    }
    if (delaying_ > 0) {
        return;
    }
    std::vector<TimerId> held;
    for (auto& [id, running] : timers_) {
        if (running.heldTick) {
            running.heldTick = false;
            held.push_back(id);
        }
    }
    // They run once the delaying handler has returned, never inside it.
    for (TimerId id : held) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [this, id] { onTick(id); }, Qt::QueuedConnection);
    }
}

} // namespace tk
