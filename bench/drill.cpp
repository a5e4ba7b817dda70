// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the word-drill page: from the click on the reader's drill button
// to the page painted, the first time (its 4000 x 2800 background decoded
// at the page's size) and again (the background kept).
#include "desktop_platform.h"
#include "reader/page_names.h"
#include "reader/page_pictures.h"
#include "reader/reader_state.h"
#include "real_clock.h"
#include "screen_harness.h"
#include "window.h"

#include <QSize>
#include <benchmark/benchmark.h>

namespace {

tk::Window& reader() {
    static tk::RealClock clock;
    static screen_harness::SilentSound sound;
    static tk::DesktopPlatform desktop;
    return screen_harness::reader({{&clock, &sound, &desktop}, {}});
}

// The drill page is shown only once its picture has been painted.
screen_harness::PaintCounter& drillPaints() {
    static screen_harness::PaintCounter* counter = [] {
        auto* made = new screen_harness::PaintCounter;
        made->setParent(&reader());
        reader()
            .unit(reader::pagePictureName(reader::kDrillPage))
            .widget()
            ->installEventFilter(made);
        return made;
    }();
    return *counter;
}

void clickButton(const char* name) {
    screen_harness::clickButton(reader(), name);
}

int shownPage() {
    return reader().unit("高级选择夹1").currentPage();
}

bool drillPictureCached() {
    const tk::UnitRef box = reader().unit(reader::pagePictureName(reader::kDrillPage));
    return reader::pagePictures().isCached(reader::kDrillPage, QSize(box.width(), box.height()));
}

// Back on the book page, with its neighbours decoded ahead; keepDrill:
// the drill's background stays in the cache, else nothing of it is there.
void backOnTheBook(bool keepDrill) {
    if (!keepDrill) {
        reader::pagePictures().clear();
    }
    if (shownPage() == reader::kDrillPage) {
        clickButton("超级按钮b_退出背单词");
    }
    reader::pagePictures().settle();
    reader().repaint();
}

void openDrill(benchmark::State& state, bool decoded) {
    reader();
    backOnTheBook(true);
    clickButton("超级按钮_背单词");
    reader().repaint();
    for (auto _ : state) {
        state.PauseTiming();
        backOnTheBook(decoded);
        const bool cachedBefore = drillPictureCached();
        const long paints = drillPaints().paints;
        state.ResumeTiming();
        clickButton("超级按钮_背单词");
        reader().repaint();
        if (shownPage() != reader::kDrillPage || cachedBefore != decoded ||
            drillPaints().paints == paints) {
            state.SkipWithError("the drill page did not open as it should");
            break;
        }
    }
    reader::pagePictures().settle();
}

void BM_OpenDrillFirstTime(benchmark::State& state) {
    openDrill(state, false);
}
BENCHMARK(BM_OpenDrillFirstTime)->Unit(benchmark::kMillisecond);

void BM_OpenDrillAgain(benchmark::State& state) {
    openDrill(state, true);
}
BENCHMARK(BM_OpenDrillAgain)->Unit(benchmark::kMillisecond);

} // namespace

SCREEN_BENCHMARK_MAIN()
