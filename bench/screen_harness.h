// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the screen benchmarks share: one reader for the whole run on the
// services a bench chooses, shown on an exposed window so that its paints
// happen; clicks and presses as a child makes them; paints counted; and a
// main() that lets every window go before the application does.

#include "catalogue.h"
#include "desktop_platform.h"
#include "reader/reader_window.h"
#include "sdl_sound.h"
#include "services.h"
#include "sound.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace screen_harness {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

class SilentSound : public tk::SoundOutput {
  public:
    void play(tk::Clip, bool) override {}
    void stopAll() override {}
};

// The desktop, except that every message is answered at once.
class AnsweringDesktop : public tk::DesktopPlatform {
  public:
    int showMessage(const tk::Text&, int, const tk::Text&) override { return tk::kOk; }
};

// The real output, opened once for the run.
inline tk::SdlSoundOutput& sdlSound() {
    static tk::SdlSoundOutput output;
    return output;
}

// Counts the paints of the widgets it watches.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
    long paints = 0;
};

// Nothing is painted until the platform has exposed the window.
inline void waitUntilExposed(QWidget& window) {
    for (int i = 0; i < 100 && !(window.windowHandle() && window.windowHandle()->isExposed());
         ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// The windows a bench keeps for its whole run; runBenchmarks lets them go,
// the last made first, while the application is still there.
inline std::vector<std::unique_ptr<tk::Window>>& keptWindows() {
    static std::vector<std::unique_ptr<tk::Window>> windows;
    return windows;
}

// Keeps the window for the run, once it is exposed.
inline tk::Window& keep(std::unique_ptr<tk::Window> window) {
    waitUntilExposed(*window);
    keptWindows().push_back(std::move(window));
    return *keptWindows().back();
}

struct ReaderSetup {
    tk::Services services;
    // Hands the reader its ways to other screens; none when empty.
    std::function<void()> connect;
};

// One reader for the whole run, as the program has, made on first use on
// the setup's services; later setups are not looked at.
inline tk::Window& reader(const ReaderSetup& setup) {
    static tk::Window* made = nullptr;
    if (!made) {
        tk::services() = setup.services;
        content::loadBook();
        if (setup.connect) {
            setup.connect();
        }
        made = &keep(tk::CreateWindow(reader::readerWindow()));
    }
    return *made;
}

inline void clickButton(tk::Window& window, const char* name) {
    qobject_cast<QAbstractButton*>(window.unit(name).widget())->click();
}

// A left press and release at a point of the widget.
inline void pressAt(QWidget* widget, QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

inline void pressCentre(QWidget* widget) {
    pressAt(widget, QRectF(widget->rect()).center());
}

// The mean and the worst of a run's waits, in ms, as its counters.
class Waits {
  public:
    void add(double ms) {
        total_ += ms;
        worst_ = std::max(worst_, ms);
        ++count_;
    }
    double mean() const { return total_ / double(std::max(1L, count_)); }
    double worst() const { return worst_; }
    void report(benchmark::State& state) const {
        state.counters["mean_ms"] = mean();
        state.counters["worst_ms"] = worst_;
    }

  private:
    double total_ = 0;
    double worst_ = 0;
    long count_ = 0;
};

inline int runBenchmarks(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    while (!keptWindows().empty()) {
        keptWindows().pop_back();
    }
    return 0;
}

} // namespace screen_harness

// A screen bench's main().
#define SCREEN_BENCHMARK_MAIN()                                                                    \
    int main(int argc, char** argv) {                                                              \
        return screen_harness::runBenchmarks(argc, argv);                                          \
    }
