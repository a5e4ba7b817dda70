// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Timer units and Delay, on the hand-driven clock and on the real one.
#include "clock.h"
#include "real_clock.h"
#include "support/ground.h"
#include "window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

using namespace tk;
using namespace testing_ground;

namespace {

UnitDef timerUnit(std::string name, int interval) {
    UnitDef def = unitDef(std::move(name), Kind::Timer, {});
    def.interval = interval;
    return def;
}

UnitDef buttonUnit(std::string name, Rect rect) {
    return unitDef(std::move(name), Kind::SuperBtn, rect);
}

class TimerTest : public GroundTest {
  protected:
    // A window with one timer whose ticks are stamped with the clock's time.
    std::unique_ptr<Window> windowWithTimer(int interval) {
        WindowDef def;
        def.name = "计时";
        def.units = {timerUnit("时钟1", interval), buttonUnit("超级按钮_等", {0, 0, 40, 30})};
        def.bindings = {
            {"时钟1", Event::Tick, [this](const EventArgs&) { ticks.push_back(TickCount()); }},
            {"超级按钮_等", Event::Clicked, [](const EventArgs&) { Delay(500); }},
        };
        return CreateWindow(def);
    }
    std::vector<std::int64_t> ticks;
};

TEST_F(TimerTest, ATimerDefinedRunningTicksFromCreation) {
    const std::int64_t start = TickCount();
    auto window = windowWithTimer(50);
    ground.clock.advance(160);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{start + 50, start + 100, start + 150}));
}

TEST_F(TimerTest, IntervalWritesRestartStopOrChangeNothing) {
    struct Case {
        const char* what;
        int written;
        std::vector<std::int64_t> expected; // tick times after the write, relative to start
    };
    const std::vector<Case> cases = {
        {"the same interval keeps the running period", 50, {50, 100}},
        {"a new interval restarts from the write", 40, {70, 110}},
        {"zero stops", 0, {}},
    };
    for (const Case& c : cases) {
        ticks.clear();
        const std::int64_t start = TickCount();
        auto window = windowWithTimer(50);
        ground.clock.advance(30);
        window->unit("时钟1").setInterval(c.written);
        ground.clock.advance(90);
        std::vector<std::int64_t> relative;
        for (std::int64_t tick : ticks) {
            relative.push_back(tick - start);
        }
        EXPECT_EQ(relative, c.expected) << c.what;
        EXPECT_EQ(window->unit("时钟1").interval(), c.written) << c.what;
    }
}

TEST_F(TimerTest, ATimerDefinedStoppedWaitsForAnInterval) {
    auto window = windowWithTimer(0);
    ground.clock.advance(1000);
    EXPECT_TRUE(ticks.empty());
    window->unit("时钟1").setInterval(100);
    ground.clock.advance(250);
    EXPECT_EQ(ticks.size(), 2U);
}

TEST_F(TimerTest, TimersStopWithTheirWindow) {
    auto window = windowWithTimer(50);
    EXPECT_EQ(ground.clock.runningTimers(), 1);
    window.reset();
    EXPECT_EQ(ground.clock.runningTimers(), 0);
    ground.clock.advance(200);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(TimerTest, DelayHoldsTicksBackUntilTheHandlerHasReturned) {
    auto window = windowWithTimer(50);
    const std::int64_t start = TickCount();
    click(window->unit("超级按钮_等"));
    EXPECT_EQ(TickCount(), start + 500);
    EXPECT_TRUE(ticks.empty());
    EXPECT_EQ(ground.clock.delays(), std::vector<int>{500});
    // The ticks missed meanwhile come as one, then the timer runs on.
    ground.clock.advance(0);
    EXPECT_EQ(ticks, std::vector<std::int64_t>{start + 500});
    ground.clock.advance(50);
    EXPECT_EQ(ticks.size(), 2U);
}

TEST_F(TimerTest, TimeNeverRunsBackAfterATickThatWaitedPastTheAdvance) {
    WindowDef def;
    def.name = "计时";
    def.units = {timerUnit("时钟1", 50)};
    def.bindings = {{"时钟1", Event::Tick, [this](const EventArgs&) {
                         ticks.push_back(TickCount());
                         if (ticks.size() == 1) {
                             Delay(500);
                         }
                     }}};
    const std::int64_t start = TickCount();
    auto window = CreateWindow(def);
    ground.clock.advance(60);
    EXPECT_EQ(TickCount(), start + 550);
    ground.clock.advance(0);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{start + 50, start + 550}));
}

TEST_F(TimerTest, NegativeDelaysCountAsZero) {
    const std::int64_t start = TickCount();
    Delay(-20);
    EXPECT_EQ(TickCount(), start);
}

// On the real clock: a window whose button runs a Delay(500), with a timer
// ticking every 20 ms. Each tick, click and paint is noted with the phase it
// came in, not its time: a busy machine stretches every time but keeps that
// order.
class RealDelayTest : public ::testing::Test {
  protected:
    enum class Phase { Outside, Delaying };

    RealDelayTest() {
        services().clock = &clock;
        elapsed.start();
        WindowDef def;
        def.name = "等待";
        def.units = {timerUnit("时钟1", 20), buttonUnit("超级按钮_等", {0, 0, 60, 30}),
                     buttonUnit("超级按钮_点", {100, 0, 60, 30})};
        def.bindings = {
            {"时钟1", Event::Tick, [this](const EventArgs&) { ticks.push_back(phase); }},
            {"超级按钮_点", Event::Clicked, [this](const EventArgs&) { clicks.push_back(phase); }},
            {"超级按钮_等", Event::Clicked, [this](const EventArgs&) { waitHalfASecond(); }},
        };
        window = CreateWindow(def);
        paintWatch.onPaint = [this] { paints.push_back(phase); };
        window->installEventFilter(&paintWatch);
    }

    // The child clicks the other button and the window is asked to repaint
    // just before the delay: both are queued and wait for the delay's loop.
    void waitHalfASecond() {
        QWindow* handle = window->windowHandle();
        const QPointF at(130, 15);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            handle, at, handle->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
            QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            handle, at, handle->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
            QEvent::MouseButtonRelease);
        window->update();
        phase = Phase::Delaying;
        const qint64 start = elapsed.elapsed();
        Delay(500);
        delayed = elapsed.elapsed() - start;
        phase = Phase::Outside;
    }

    // Runs the event loop until done holds; the machine may be slow.
    static bool waitUntil(const std::function<bool()>& done) {
        QElapsedTimer deadline;
        deadline.start();
        while (!done() && deadline.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        return done();
    }

    static std::size_t count(const std::vector<Phase>& seen, Phase phase) {
        return static_cast<std::size_t>(std::count(seen.begin(), seen.end(), phase));
    }

    struct PaintWatch : QObject {
        std::function<void()> onPaint;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                onPaint();
            }
            return false;
        }
    };

    Ground ground;
    RealClock clock;
    QElapsedTimer elapsed;
    Phase phase = Phase::Outside;
    qint64 delayed = -1;
    std::vector<Phase> ticks;
    std::vector<Phase> clicks;
    std::vector<Phase> paints;
    PaintWatch paintWatch;
    std::unique_ptr<Window> window;
};

TEST_F(RealDelayTest, HoldsBackTicksAndClicksButKeepsPainting) {
    click(window->unit("超级按钮_等"));
    EXPECT_GE(delayed, 500);
    ASSERT_TRUE(waitUntil([&] { return !clicks.empty(); }));
    EXPECT_EQ(clicks, std::vector<Phase>{Phase::Outside});
    EXPECT_EQ(count(ticks, Phase::Delaying), 0U);
    EXPECT_GE(count(paints, Phase::Delaying), 1U) << "the window did not repaint during the delay";
}

TEST_F(RealDelayTest, HeldBackTicksComeAsOneOnceTheHandlerHasReturned) {
    click(window->unit("超级按钮_等"));
    // The timer fell due during the delay, which has ended. Posted work
    // alone, no timer: only the tick held back can run now, and just once.
    const std::size_t before = ticks.size();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ticks.size(), before + 1) << "the held-back tick was lost or came more than once";
    // Then the timer runs on.
    EXPECT_TRUE(waitUntil([&] { return ticks.size() >= before + 3; }));
    EXPECT_EQ(count(ticks, Phase::Outside), ticks.size());
}

} // namespace
