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

TEST_F(TimerTest, NegativeDelaysCountAsZero) {
    const std::int64_t start = TickCount();
    Delay(-20);
    EXPECT_EQ(TickCount(), start);
}

// On the real clock: a Delay(500) inside a handler holds back timer ticks and
// clicks until it ends, while the window goes on painting.
TEST(RealDelayTest, HoldsBackTicksAndClicksButKeepsPainting) {
    Ground ground;
    RealClock clock;
    services().clock = &clock;

    QElapsedTimer elapsed;
    elapsed.start();
    std::vector<qint64> ticks;
    std::vector<qint64> clicks;
    std::vector<qint64> paints;
    qint64 delayStart = -1;
    qint64 delayEnd = -1;
    Window* shown = nullptr;

    WindowDef def;
    def.name = "等待";
    def.units = {timerUnit("时钟1", 20), buttonUnit("超级按钮_等", {0, 0, 60, 30}),
                 buttonUnit("超级按钮_点", {100, 0, 60, 30})};
    def.bindings = {
        {"时钟1", Event::Tick, [&](const EventArgs&) { ticks.push_back(elapsed.elapsed()); }},
        {"超级按钮_点", Event::Clicked,
         [&](const EventArgs&) { clicks.push_back(elapsed.elapsed()); }},
        {"超级按钮_等", Event::Clicked,
         [&](const EventArgs&) {
             // While the delay runs, the child clicks the other button and
             // the window is asked to repaint.
             QTimer::singleShot(100, [&] {
                 QWindow* handle = shown->windowHandle();
                 const QPointF at(130, 15);
                 QWindowSystemInterface::handleMouseEvent<
                     QWindowSystemInterface::AsynchronousDelivery>(
                     handle, at, handle->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                     QEvent::MouseButtonPress);
                 QWindowSystemInterface::handleMouseEvent<
                     QWindowSystemInterface::AsynchronousDelivery>(
                     handle, at, handle->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     QEvent::MouseButtonRelease);
                 shown->update();
             });
             delayStart = elapsed.elapsed();
             Delay(500);
             delayEnd = elapsed.elapsed();
         }},
    };
    auto window = CreateWindow(def);
    shown = window.get();
    struct PaintCounter : QObject {
        std::function<void()> onPaint;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                onPaint();
            }
            return false;
        }
    } counter;
    counter.onPaint = [&] { paints.push_back(elapsed.elapsed()); };
    window->installEventFilter(&counter);

    click(window->unit("超级按钮_等"));
    ASSERT_GE(delayEnd - delayStart, 500);
    QElapsedTimer deadline;
    deadline.start();
    while (clicks.empty() && deadline.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ASSERT_EQ(clicks.size(), 1U);
    EXPECT_GE(clicks[0], delayEnd);
    for (qint64 tick : ticks) {
        EXPECT_FALSE(tick > delayStart && tick < delayEnd) << "tick at " << tick;
    }
    EXPECT_TRUE(std::any_of(paints.begin(), paints.end(), [&](qint64 at) {
        return at > delayStart && at < delayEnd;
    })) << "the window did not repaint during the delay";
}

} // namespace
