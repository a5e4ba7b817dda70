// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The word spelling window's costs: from the click on the reader's toolbar
// button to the window painted, the first time (its background decoded) and
// again (the background kept); and from a click on a letter cell to its
// change painted and to the letter-click clip's first sample in the mix.
#include "app/program_state.h"
#include "app/window_flow.h"
#include "first_sample.h"
#include "games/spelling/spelling_names.h"
#include "games/spelling/spelling_window.h"
#include "real_clock.h"
#include "screen_harness.h"
#include "sdl_sound.h"
#include "window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

namespace {

using screen_harness::Clock;
using screen_harness::msSince;
using screen_harness::PaintCounter;
using screen_harness::sdlSound;
using screen_harness::waitUntilExposed;

// The SDL output, noting when the first clip after a reset reached it.
class StampedSound : public tk::SoundOutput {
  public:
    void play(tk::Clip clip, bool loop) override {
        if (!stamped) {
            playedAt = Clock::now();
            stamped = true;
        }
        sdlSound().play(clip, loop);
    }
    void stopAll() override { sdlSound().stopAll(); }
    bool stamped = false;
    Clock::time_point playedAt;
};

StampedSound& stampedSound() {
    static StampedSound sound;
    return sound;
}

// The desktop, except that message boxes are answered at once and the
// windows that open are dealt with as they are shown: a spelling window
// being timed is painted, stamped and closed; a report is closed.
class BenchPlatform : public screen_harness::AnsweringDesktop {
  public:
    void windowShown(tk::Window& window) override {
        if (window.name() != "单词排序") {
            tk::UnloadWindow(&window);
            return;
        }
        if (!timingOpen) {
            return;
        }
        PaintCounter counter;
        window.unit(spelling::kBackground).widget()->installEventFilter(&counter);
        waitUntilExposed(window);
        window.repaint();
        paintedAt = Clock::now();
        painted = counter.paints > 0;
        tk::UnloadWindow(&window);
    }
    bool timingOpen = false;
    bool painted = false;
    Clock::time_point paintedAt;
};

BenchPlatform& platform() {
    static BenchPlatform instance;
    return instance;
}

tk::Window& reader() {
    static tk::RealClock clock;
    return screen_harness::reader({{&clock, &stampedSound(), &platform()}, app::connectScreens});
}

void openSpelling(benchmark::State& state) {
    auto* button = qobject_cast<QAbstractButton*>(reader().unit("超级按钮_单词排序").widget());
    platform().timingOpen = true;
    for (auto _ : state) {
        platform().painted = false;
        const auto start = Clock::now();
        button->click();
        if (!platform().painted) {
            state.SkipWithError("the spelling window was not painted");
            break;
        }
        state.SetIterationTime(msSince(start, platform().paintedAt) / 1000);
        state.PauseTiming();
        sdlSound().stopAll();
        app::program().errorList.clear();
        state.ResumeTiming();
    }
    platform().timingOpen = false;
}

// The first opening decodes the background; it is kept for every later one.
void BM_OpenSpellingFirstTime(benchmark::State& state) {
    openSpelling(state);
}
BENCHMARK(BM_OpenSpellingFirstTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenSpellingAgain(benchmark::State& state) {
    openSpelling(state);
}
BENCHMARK(BM_OpenSpellingAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

// A spelling window of its own, shown without a loop of its own.
tk::Window& game() {
    static tk::Window* window = [] {
        reader();
        tk::Window& made = screen_harness::keep(
            tk::CreateWindow(spelling::spellingWindow(app::program().errorList)));
        made.repaint();
        return &made;
    }();
    return *window;
}

// The leftmost cell the child can click; when the round is over, a new
// one is started first.
QWidget* nextCell() {
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (const tk::UnitRef& cell : tk::FindUnits(&game(), spelling::kCellPrefix)) {
            if (cell.visible() && !cell.disabled()) {
                return cell.widget();
            }
        }
        auto* units = qobject_cast<QComboBox*>(game().unit(spelling::kUnitList).widget());
        emit units->activated(0);
        app::program().errorList.clear();
    }
    return nullptr;
}

// Clicks in cell order: mostly misspellings, each last letter judges the
// word and lays out the next one, which the paint includes.
void BM_LetterClickToPainted(benchmark::State& state) {
    tk::Window& window = game();
    PaintCounter counter;
    window.unit(spelling::kResult).widget()->installEventFilter(&counter);
    double worst = 0;
    for (auto _ : state) {
        QWidget* cell = nextCell();
        if (!cell) {
            state.SkipWithError("no letter to click");
            break;
        }
        const long paints = counter.paints;
        const auto start = Clock::now();
        screen_harness::pressCentre(cell);
        window.repaint();
        const double ms = msSince(start, Clock::now());
        if (counter.paints == paints) {
            state.SkipWithError("the click changed nothing that was painted");
            break;
        }
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000);
        state.PauseTiming();
        sdlSound().stopAll();
        state.ResumeTiming();
    }
    state.counters["worst_ms"] = worst;
    window.unit(spelling::kResult).widget()->removeEventFilter(&counter);
}
BENCHMARK(BM_LetterClickToPainted)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(300);

// Each click comes at a random point of the mixer's period, as a child's
// would.
void BM_LetterClickToFirstSample(benchmark::State& state) {
    tk::Window& window = game();
    first_sample::listen();
    std::mt19937 random(9);
    screen_harness::Waits waits;
    double toPlay = 0;
    for (auto _ : state) {
        QWidget* cell = nextCell();
        if (!cell) {
            state.SkipWithError("no letter to click");
            break;
        }
        sdlSound().stopAll();
        stampedSound().stamped = false;
        const first_sample::Wait wait =
            first_sample::clickAndListen(random, 0.02, [&] { screen_harness::pressCentre(cell); });
        if (!wait.heard) {
            state.SkipWithError("the letter click was never heard");
            break;
        }
        waits.add(wait.ms);
        toPlay += msSince(wait.clicked, stampedSound().playedAt);
        state.SetIterationTime(wait.ms / 1000);
        window.repaint();
    }
    const double n = double(std::max<benchmark::IterationCount>(1, state.iterations()));
    waits.report(state);
    state.counters["to_play_clip_ms"] = toPlay / n;
    state.counters["mixer_period_ms"] = first_sample::periodMs();
    first_sample::stopListening();
    sdlSound().stopAll();
}
BENCHMARK(BM_LetterClickToFirstSample)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(120);

} // namespace

SCREEN_BENCHMARK_MAIN()
