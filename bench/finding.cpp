// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The word-finding game's costs, in the 汉找英 window on time moved by hand:
// a click on a card, right or wrong, to the next question painted and to the
// cheer's or the buzz's first sample in the mix; and, late in a long game
// (1,000 flowers at rest below the box, about 50 in flight), one 30 ms motion
// step and the repaint it asks for.
#include "cartoon_box.h"
#include "first_sample.h"
#include "games/errors/error_report.h"
#include "games/finding/finding_names.h"
#include "games/finding/finding_window.h"
#include "screen_harness.h"
#include "sdl_sound.h"
#include "stepped_clock.h"
#include "window.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <optional>
#include <random>

namespace {

using screen_harness::Clock;
using screen_harness::msSince;
using screen_harness::sdlSound;

constexpr int kStepMs = 30;
constexpr int kFlowersPerAnswer = 5;
constexpr int kStepsPerAnswer = 7;
constexpr int kBoxHeight = 600;

// The desktop, except that the message at the end of a game is answered at
// once and the error report that follows it is closed.
class ReportClosingDesktop : public screen_harness::AnsweringDesktop {
  public:
    void windowShown(tk::Window& window) override {
        if (window.unit(errors::kReportBox).widget() != nullptr) {
            tk::UnloadWindow(&window);
        }
    }
};

SteppedClock& steppedClock() {
    static SteppedClock clock;
    return clock;
}

struct Game {
    tk::TextArray errors;
    std::shared_ptr<finding::FindingGame> state;
    tk::Window* window = nullptr;
    tk::CartoonBox* box = nullptr;
    screen_harness::PaintCounter boxPaints;
};

// One window for the whole run.
Game& game() {
    static Game* made = [] {
        static ReportClosingDesktop desktop;
        tk::services() = tk::Services{&steppedClock(), &sdlSound(), &desktop};
        content::loadBook();
        auto* g = new Game;
        g->state =
            std::make_shared<finding::FindingGame>(finding::Direction::ChineseToEnglish, g->errors);
        g->window = &screen_harness::keep(tk::CreateWindow(finding::findingWindow(g->state)));
        g->box = qobject_cast<tk::CartoonBox*>(g->window->unit(finding::kBox).widget());
        g->box->installEventFilter(&g->boxPaints);
        g->window->repaint();
        return g;
    }();
    return *made;
}

// A point on a card where its text is written.
QPointF onCard(int slot) {
    const finding::Place p = finding::slotPlace(slot);
    return QPointF(p.centreX, p.textTop + 10);
}

int answerSlot() {
    return game().state->question.answerSlot;
}

void answer(bool right) {
    const int slot = answerSlot();
    screen_harness::pressAt(game().box, onCard(right ? slot : slot % finding::kSlots + 1));
}

// Time goes by as it does between a child's clicks; the flowers fly and the
// countdown runs, and the box paints what they changed.
void passTime(int ms) {
    for (int passed = 0; passed < ms; passed += kStepMs) {
        steppedClock().advance(kStepMs);
    }
    QApplication::processEvents();
}

int flowersInFlight() {
    int moving = 0;
    for (int id = 1; id <= game().box->objectCount(); ++id) {
        moving += game().box->isMoving(id) ? 1 : 0;
    }
    return moving;
}

// 200 right answers, all flown: 1,000 flowers rest below the box. Then a
// right answer every 7 steps, untimed, keeps about 50 in flight (a flight
// takes some 75 steps); the rest grows by five every 7 steps. Runs first,
// before the clicks below add flowers of their own.
void BM_MotionStepAndRepaint(benchmark::State& state) {
    Game& g = game();
    static const bool late = [] {
        const int atRest = game().box->objectCount();
        for (int i = 0; i < 200; ++i) {
            answer(true);
            passTime(300);
        }
        passTime(10000);
        return game().box->objectCount() == atRest + 200 * kFlowersPerAnswer &&
               flowersInFlight() == 0;
    }();
    if (!late) {
        state.SkipWithError("the flowers of 200 answers did not all come to rest");
        return;
    }
    double inFlight = 0;
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (step++ % kStepsPerAnswer == 0) {
            answer(true);
            QApplication::processEvents();
        }
        inFlight += flowersInFlight();
        const long paints = g.boxPaints.paints;
        state.ResumeTiming();
        steppedClock().advance(kStepMs);
        QApplication::processEvents();
        if (g.boxPaints.paints == paints) {
            state.SkipWithError("the step painted nothing");
            break;
        }
    }
    state.counters["flowers_in_flight"] = inFlight / double(std::max(1, step));
    state.counters["flowers_at_end"] = g.box->objectCount();
    int belowTheBox = 0;
    for (int id = 1; id <= g.box->objectCount(); ++id) {
        const std::optional<QPointF> at = g.box->objectPosition(id);
        belowTheBox += at && at->y() >= kBoxHeight && !g.box->isMoving(id) ? 1 : 0;
    }
    state.counters["at_rest_below_at_end"] = belowTheBox;
}
BENCHMARK(BM_MotionStepAndRepaint)->Unit(benchmark::kMillisecond)->Iterations(300);

// A child who answers every second; right: the cheer and five flowers, else
// a buzz and a miss.
void BM_CardClickToPainted(benchmark::State& state) {
    Game& g = game();
    const bool right = state.range(0) != 0;
    screen_harness::Waits waits;
    for (auto _ : state) {
        const int rights = g.state->rightCount;
        const std::size_t misses = g.errors.size();
        const long paints = g.boxPaints.paints;
        const auto start = Clock::now();
        answer(right);
        g.window->repaint();
        const double ms = msSince(start, Clock::now());
        const bool judged = right ? g.state->rightCount == rights + 1 : g.errors.size() > misses;
        if (!judged || g.boxPaints.paints == paints) {
            state.SkipWithError("the click was not judged and painted");
            break;
        }
        waits.add(ms);
        state.SetIterationTime(ms / 1000);
        passTime(1000);
    }
    waits.report(state);
}
BENCHMARK(BM_CardClickToPainted)
    ->ArgName("right")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(300);

// Each click comes at a random point of the mixer's period, as a child's
// would.
void BM_CardClickToFirstSample(benchmark::State& state) {
    Game& g = game();
    const bool right = state.range(0) != 0;
    first_sample::listen();
    std::mt19937 random(13);
    screen_harness::Waits waits;
    for (auto _ : state) {
        passTime(1000);
        sdlSound().stopAll();
        const first_sample::Wait wait =
            first_sample::clickAndListen(random, 0.02, [right] { answer(right); });
        if (!wait.heard) {
            state.SkipWithError("the click's cheer or buzz was never heard");
            break;
        }
        waits.add(wait.ms);
        state.SetIterationTime(wait.ms / 1000);
        g.window->repaint();
    }
    waits.report(state);
    state.counters["mixer_period_ms"] = first_sample::periodMs();
    const auto lead = [](content::Effect e) {
        return first_sample::leadingSilenceMs(content::effect(e));
    };
    if (right) {
        state.counters["cheer_silent_start_ms"] = lead(content::Effect::Cheer);
    } else {
        state.counters["buzz1_silent_start_ms"] = lead(content::Effect::Buzz1);
        state.counters["buzz2_silent_start_ms"] = lead(content::Effect::Buzz2);
    }
    first_sample::stopListening();
    sdlSound().stopAll();
}
BENCHMARK(BM_CardClickToFirstSample)
    ->ArgName("right")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100);

} // namespace

SCREEN_BENCHMARK_MAIN()
