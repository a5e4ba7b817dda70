// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the word-drill page: from the click on the reader's drill button
// to the page painted, the first time (its 4000 x 2800 background decoded
// at the page's size) and again (the background kept).
#include "catalogue.h"
#include "desktop_platform.h"
#include "reader/page_names.h"
#include "reader/page_pictures.h"
#include "reader/reader_state.h"
#include "reader/reader_window.h"
#include "real_clock.h"
#include "services.h"
#include "sound.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QSize>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

class SilentSound : public tk::SoundOutput {
  public:
    void play(tk::Clip, bool) override {}
    void stopAll() override {}
};

// One reader for the whole run, as the program has; it goes before the
// application does.
std::unique_ptr<tk::Window>& readerSlot() {
    static std::unique_ptr<tk::Window> window;
    return window;
}

tk::Window& reader() {
    static tk::RealClock clock;
    static SilentSound sound;
    static tk::DesktopPlatform platform;
    std::unique_ptr<tk::Window>& window = readerSlot();
    if (!window) {
        tk::services() = tk::Services{&clock, &sound, &platform};
        content::loadBook();
        window = tk::CreateWindow(reader::readerWindow());
        // Nothing is painted until the platform has exposed the window.
        for (int i = 0; i < 100 && !window->windowHandle()->isExposed(); ++i) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }
    return *window;
}

// Counts the paints of the drill page's picture: the page is shown only
// once it has been painted.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
    long paints = 0;
};

PaintCounter& drillPaints() {
    static PaintCounter* counter = [] {
        auto* made = new PaintCounter;
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
    qobject_cast<QAbstractButton*>(reader().unit(name).widget())->click();
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

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    readerSlot().reset();
    return 0;
}
