// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the fill-in window: from the click on the reader's 填一填 to the
// window painted with its first question, the first time (its 4000 x 2800
// background decoded at the window's size) and again (the background kept).
#include "app/game_openers.h"
#include "desktop_platform.h"
#include "reader/reader_links.h"
#include "real_clock.h"
#include "screen_harness.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using screen_harness::Clock;
using screen_harness::PaintCounter;

// The desktop, except that a fill-in window is watched until it has been
// painted, as its own loop would have it, the time noted, and closed again.
class OpeningDesktop : public tk::DesktopPlatform {
  public:
    void windowShown(tk::Window& window) override {
        if (window.name() != "填一填窗口") {
            return;
        }
        PaintCounter background;
        PaintCounter question;
        window.unit("图片框填一填的背景").widget()->installEventFilter(&background);
        window.unit("透明标签_填一填的题目").widget()->installEventFilter(&question);
        const auto deadline = Clock::now() + std::chrono::seconds(2);
        while ((background.paints == 0 || question.paints == 0) && Clock::now() < deadline) {
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        paintedAt = Clock::now();
        painted = background.paints > 0 && question.paints > 0;
        tk::UnloadWindow(&window);
    }
    Clock::time_point paintedAt;
    bool painted = false;
};

OpeningDesktop& desktop() {
    static OpeningDesktop platform;
    return platform;
}

tk::Window& reader() {
    static tk::RealClock clock;
    static screen_harness::SilentSound sound;
    return screen_harness::reader({{&clock, &sound, &desktop()}, [] {
                                       reader::ReaderLinks links;
                                       links.games = app::gameOpeners();
                                       reader::setLinks(std::move(links));
                                   }});
}

void openFillIn(benchmark::State& state) {
    auto* button = qobject_cast<QAbstractButton*>(reader().unit("超级按钮_填一填").widget());
    reader().repaint();
    for (auto _ : state) {
        desktop().painted = false;
        const auto start = Clock::now();
        button->click();
        if (!desktop().painted) {
            state.SkipWithError("the fill-in window was not painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(desktop().paintedAt - start).count());
        state.PauseTiming();
        // The closed window goes, as it does when its loop ends.
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Only the first opening of a run decodes the background.
void BM_OpenFillInFirstTime(benchmark::State& state) {
    openFillIn(state);
}
BENCHMARK(BM_OpenFillInFirstTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenFillInAgain(benchmark::State& state) {
    openFillIn(state);
}
BENCHMARK(BM_OpenFillInAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

SCREEN_BENCHMARK_MAIN()
