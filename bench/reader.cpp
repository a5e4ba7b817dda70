// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's costs: a page turn from the click to the new page painted,
// with the neighbouring pages decoded ahead and without any cache; and a
// hotspot press to PlayClip and to the clip's first samples in the mix. (Its
// resident memory is measured in running.cpp, in a process of its own.)
#include "catalogue.h"
#include "desktop_platform.h"
#include "first_sample.h"
#include "reader/page_names.h"
#include "reader/page_pictures.h"
#include "reader/reader_state.h"
#include "real_clock.h"
#include "screen_harness.h"
#include "sdl_sound.h"
#include "services.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <thread>

namespace {

using screen_harness::Clock;
using screen_harness::sdlSound;

// Remembers when PlayClip last reached the sound output, and how often it did.
class TimedSound : public tk::SoundOutput {
  public:
    void play(tk::Clip, bool) override {
        playedAt = Clock::now();
        ++plays;
    }
    void stopAll() override {}
    Clock::time_point playedAt;
    long plays = 0;
};

TimedSound& timedSound() {
    static TimedSound sound;
    return sound;
}

tk::Window& reader() {
    static tk::RealClock clock;
    static tk::DesktopPlatform desktop;
    return screen_harness::reader({{&clock, &timedSound(), &desktop}, {}});
}

void clickButton(const char* name) {
    screen_harness::clickButton(reader(), name);
}

// Turns one page on, back from the last book page to the first and on
// again; false when the page stayed.
bool turnPage() {
    static bool forward = true;
    const int page = reader::state().pageIndex;
    if (page == reader::kLastBookPage) {
        forward = false;
    } else if (page == 0) {
        forward = true;
    }
    clickButton(forward ? "超级按钮_下一页" : "超级按钮_上一页");
    return reader::state().pageIndex == (forward ? page + 1 : page - 1);
}

void pressUnit(const tk::UnitRef& unit) {
    screen_harness::pressCentre(unit.widget());
}

// The reader window's own paints: a page has turned once it is painted.
screen_harness::PaintCounter& readerPaints() {
    static screen_harness::PaintCounter* counter = [] {
        auto* made = new screen_harness::PaintCounter;
        made->setParent(&reader());
        reader().installEventFilter(made);
        return made;
    }();
    return *counter;
}

// decodedAhead: the child read each page long enough for its neighbours to
// be decoded; else nothing of any page is cached.
void turnPages(benchmark::State& state, bool decodedAhead) {
    reader();
    reader::pagePictures().clear();
    for (auto _ : state) {
        state.PauseTiming();
        if (decodedAhead) {
            reader::pagePictures().settle();
        } else {
            reader::pagePictures().clear();
        }
        const long paints = readerPaints().paints;
        state.ResumeTiming();
        if (!turnPage()) {
            state.SkipWithError("the page did not turn");
            break;
        }
        reader().repaint();
        if (readerPaints().paints == paints) {
            state.SkipWithError("the new page was not painted");
            break;
        }
    }
    reader::pagePictures().settle();
}

void BM_PageTurnDecodedAhead(benchmark::State& state) {
    turnPages(state, true);
}
BENCHMARK(BM_PageTurnDecodedAhead)->Unit(benchmark::kMillisecond);

void BM_PageTurnWithoutCache(benchmark::State& state) {
    turnPages(state, false);
}
BENCHMARK(BM_PageTurnWithoutCache)->Unit(benchmark::kMillisecond);

void showPage(int page) {
    reader::state().pageIndex = page;
    reader().unit("高级选择夹1").setCurrentPage(page);
}

// The lesson pages' hotspots in turn, each page shown when its first comes.
tk::UnitRef nextHotspot() {
    static int page = -1;
    static int k = 0;
    const auto count = [](int p) { return static_cast<int>(content::pageHotspots(p).size()); };
    if (page < 0 || ++k > count(page)) {
        page = (page + 1) % reader::kLessonPages;
        k = 1;
    }
    if (reader().unit("高级选择夹1").currentPage() != page) {
        showPage(page);
    }
    return reader().unit(reader::hotspotName(reader::bookPageOf(page), k));
}

void BM_PressToPlayClip(benchmark::State& state) {
    reader();
    tk::services().sound = &timedSound();
    for (auto _ : state) {
        const tk::UnitRef hotspot = nextHotspot();
        const long plays = timedSound().plays;
        const auto start = Clock::now();
        pressUnit(hotspot);
        if (timedSound().plays != plays + 1) {
            state.SkipWithError("the press did not play its clip");
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(timedSound().playedAt - start).count());
    }
}
BENCHMARK(BM_PressToPlayClip)->UseManualTime()->Unit(benchmark::kMicrosecond);

// newClip: every press plays a clip the mixer has not decoded before. The
// wait is mostly for the mixer's next buffer: each press comes at a random
// point of its period, as a child's would, so the mean is about half a
// buffer and the worst about one.
void pressToMix(benchmark::State& state, bool newClip) {
    reader();
    tk::services().sound = &sdlSound();
    first_sample::listen();
    const tk::UnitRef same = nextHotspot();
    pressUnit(same);
    const auto started = Clock::now();
    while (first_sample::bufferFrames == 0 && Clock::now() < started + std::chrono::seconds(5)) {
        std::this_thread::yield();
    }
    if (first_sample::bufferFrames == 0) {
        first_sample::stopListening();
        tk::services().sound = &timedSound();
        state.SkipWithError("the mixer never ran");
        return;
    }
    std::mt19937 random(3);
    screen_harness::Waits waits;
    for (auto _ : state) {
        const tk::UnitRef hotspot = newClip ? nextHotspot() : same;
        // Silence first, so that only the pressed clip can be heard.
        sdlSound().stopAll();
        const first_sample::Wait wait =
            first_sample::clickAndListen(random, 0, [&] { pressUnit(hotspot); });
        if (!wait.heard) {
            state.SkipWithError("the mixer never mixed the clip");
            break;
        }
        waits.add(wait.ms);
        state.SetIterationTime(wait.ms / 1000);
    }
    waits.report(state);
    state.counters["buffer_ms"] = first_sample::periodMs();
    first_sample::stopListening();
    sdlSound().stopAll();
    tk::services().sound = &timedSound();
}

void BM_PressToFirstSampleCachedClip(benchmark::State& state) {
    pressToMix(state, false);
}
BENCHMARK(BM_PressToFirstSampleCachedClip)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100);

void BM_PressToFirstSampleNewClip(benchmark::State& state) {
    pressToMix(state, true);
}
BENCHMARK(BM_PressToFirstSampleNewClip)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100);

} // namespace

SCREEN_BENCHMARK_MAIN()
