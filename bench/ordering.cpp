// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The sentence-ordering window: from the click on the reader's 句子排序
// button to the window painted, the first time (its background decoded) and
// again (the background kept); and from a press on a word label to the
// window painted with the label, the one clicked before and the arranged
// line changed.
#include "app/window_flow.h"
#include "catalogue.h"
#include "desktop_platform.h"
#include "games/ordering/ordering_names.h"
#include "games/ordering/ordering_window.h"
#include "lists.h"
#include "real_clock.h"
#include "screen_harness.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

using screen_harness::Clock;

// The desktop, except that an ordering window opened from the reader is
// painted as soon as it is shown, the moment noted, and closed again: its
// opener returns.
class PaintingPlatform : public tk::DesktopPlatform {
  public:
    void windowShown(tk::Window& window) override {
        if (!opening || window.name() != ordering::kWindowName) {
            return;
        }
        opening = false;
        window.repaint();
        paintedAt = Clock::now();
        words = 0;
        for (int k = 1; k <= ordering::kWordLabels; ++k) {
            words += window.unit(ordering::kWordLabel + std::to_string(k)).visible() ? 1 : 0;
        }
        tk::UnloadWindow(&window);
    }
    bool opening = false;
    Clock::time_point paintedAt;
    int words = 0;
};

PaintingPlatform& platform() {
    static PaintingPlatform instance;
    return instance;
}

// The reader on book page 2.
tk::Window& reader() {
    static tk::RealClock clock;
    static screen_harness::SilentSound sound;
    return screen_harness::reader({{&clock, &sound, &platform()}, app::connectScreens});
}

void openFromTheReader(benchmark::State& state) {
    QAbstractButton* button =
        qobject_cast<QAbstractButton*>(reader().unit("超级按钮_排序").widget());
    double worst = 0;
    for (auto _ : state) {
        platform().words = 0;
        platform().opening = true;
        const auto start = Clock::now();
        button->click();
        if (platform().words < 2) {
            state.SkipWithError("the window opened without a sentence");
            break;
        }
        const double seconds = std::chrono::duration<double>(platform().paintedAt - start).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["worst_ms"] = 1000 * worst;
}

// Must run first: nothing has decoded the background before.
void BM_OpenOrderingFirstTime(benchmark::State& state) {
    openFromTheReader(state);
}
BENCHMARK(BM_OpenOrderingFirstTime)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_OpenOrderingAgain(benchmark::State& state) {
    openFromTheReader(state);
}
BENCHMARK(BM_OpenOrderingAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

// The words of a long sentence of book page 2, clicked in turn; 重做 after
// every round keeps the arranged line the length a child makes it.
void BM_ClickWordToPainted(benchmark::State& state) {
    reader();
    ordering::OrderingState game;
    common::PageLists lists;
    dealLines(content::pageTextList(0), lists.english, lists.chinese);
    lists.clips = content::pageClips(0);
    game.lists = lists;
    int starts = 0;
    game.starts = &starts;
    const auto window = tk::CreateWindow(ordering::orderingWindow(game));
    screen_harness::waitUntilExposed(*window);
    window->repaint();
    std::vector<QWidget*> labels;
    for (int k = 1; k <= ordering::kWordLabels; ++k) {
        const tk::UnitRef label = window->unit(ordering::kWordLabel + std::to_string(k));
        if (label.visible()) {
            labels.push_back(label.widget());
        }
    }
    QAbstractButton* redo = qobject_cast<QAbstractButton*>(window->unit(ordering::kRedo).widget());
    if (labels.size() < 2) {
        state.SkipWithError("no sentence was laid out");
        return;
    }
    std::size_t next = 0;
    double worst = 0;
    for (auto _ : state) {
        QWidget* label = labels[next];
        const tk::Text before = window->unit(ordering::kArrangedLine).caption();
        const auto start = Clock::now();
        screen_harness::pressAt(label, QPointF(5, 10));
        window->repaint();
        const auto painted = Clock::now();
        if (window->unit(ordering::kArrangedLine).caption() == before) {
            state.SkipWithError("the click changed nothing");
            break;
        }
        const double seconds = std::chrono::duration<double>(painted - start).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
        next = (next + 1) % labels.size();
        if (next == 0) {
            state.PauseTiming();
            redo->click();
            state.ResumeTiming();
        }
    }
    state.counters["worst_ms"] = 1000 * worst;
}
BENCHMARK(BM_ClickWordToPainted)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

SCREEN_BENCHMARK_MAIN()
