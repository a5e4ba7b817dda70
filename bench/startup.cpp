// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up costs of the program: from exec to the start window painted, from
// the start button to the reader painted, and the resident memory with the
// start window shown. Every run is a fresh process (this binary again, in
// its child role) doing what the program's entry does.
#include "app/desktop_services.h"
#include "app/window_flow.h"
#include "catalogue.h"
#include "child_process.h"
#include "resident_memory.h"
#include "start/start_window.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kChildRole = "--startup-child";
constexpr int kChildTimeoutMs = 60000;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Watches every paint: the start window's first one is reported (and, when
// asked, answered with a press of the start button); the reader's first one
// ends the run.
class PaintWatch : public QObject {
  public:
    PaintWatch(Clock::time_point appStart, bool openReader)
        : appStart_(appStart), openReader_(openReader) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) {
            return false;
        }
        auto* window = qobject_cast<tk::Window*>(static_cast<QWidget*>(watched)->window());
        if (window == nullptr) {
            return false;
        }
        // Reported once the whole paint pass has been flushed.
        if (window->name() == startName_ && !startPainted_) {
            startPainted_ = true;
            QTimer::singleShot(0, window, [this, window] { startWindowPainted(*window); });
        } else if (window->name() != startName_ && clicked_ && !readerPainted_) {
            readerPainted_ = true;
            QTimer::singleShot(0, [this] {
                reportToParent("reader " + std::to_string(msSince(clickTime_)));
                std::_Exit(0);
            });
        }
        return false;
    }

  private:
    void startWindowPainted(tk::Window& window) {
        std::ostringstream line;
        line << "painted " << msSince(appStart_) << ' ' << residentKb();
        reportToParent(line.str());
        if (!openReader_) {
            std::_Exit(0);
        }
        auto* button = qobject_cast<QAbstractButton*>(window.unit("超级按钮_开始学习").widget());
        if (button == nullptr) {
            std::_Exit(1);
        }
        clicked_ = true;
        clickTime_ = Clock::now();
        button->click();
    }

    Clock::time_point appStart_;
    bool openReader_;
    std::string startName_ = start::startWindow().name;
    bool startPainted_ = false;
    bool clicked_ = false;
    bool readerPainted_ = false;
    Clock::time_point clickTime_;
};

// The child role: the program's own start, watched.
int runChild(char* name, bool openReader) {
    const Clock::time_point appStart = Clock::now();
    int qtArgc = 1;
    char* qtArgv[] = {name, nullptr};
    QApplication application(qtArgc, qtArgv);
    const app::DesktopServices services;
    content::loadBook();
    PaintWatch watch(appStart, openReader);
    application.installEventFilter(&watch);
    app::runStartWindow();
    return 1;
}

struct ChildRun {
    double execToPaintedMs = 0;
    double appToPaintedMs = 0;
    long residentKb = 0;
    double clickToReaderMs = 0;
};

std::optional<ChildRun> runOnce(bool openReader) {
    ChildProcess child({std::string(kChildRole), openReader ? "reader" : "start"});
    const auto deadline = child.spawned() + std::chrono::milliseconds(kChildTimeoutMs);
    ChildRun run;
    const auto painted = child.readLine(deadline);
    if (!painted) {
        return std::nullopt;
    }
    run.execToPaintedMs = msSince(child.spawned());
    std::istringstream fields(*painted);
    std::string word;
    fields >> word >> run.appToPaintedMs >> run.residentKb;
    if (word != "painted") {
        return std::nullopt;
    }
    if (openReader) {
        std::istringstream reader(child.readLine(deadline).value_or(""));
        reader >> word >> run.clickToReaderMs;
        if (word != "reader") {
            return std::nullopt;
        }
    }
    return run;
}

void BM_ColdStartToStartWindowPainted(benchmark::State& state) {
    double inProcess = 0;
    double resident = 0;
    for (auto _ : state) {
        const auto run = runOnce(false);
        if (!run) {
            state.SkipWithError("the start window was not painted");
            return;
        }
        state.SetIterationTime(run->execToPaintedMs / 1000);
        inProcess += run->appToPaintedMs;
        resident += static_cast<double>(run->residentKb) / 1024;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["from_QApplication_ms"] = inProcess / runs;
    state.counters["rss_start_window_MB"] = resident / runs;
}
BENCHMARK(BM_ColdStartToStartWindowPainted)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_StartButtonToReaderPainted(benchmark::State& state) {
    for (auto _ : state) {
        const auto run = runOnce(true);
        if (!run) {
            state.SkipWithError("the reader was not painted");
            return;
        }
        state.SetIterationTime(run->clickToReaderMs / 1000);
    }
}
BENCHMARK(BM_StartButtonToReaderPainted)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && argv[1] == kChildRole) {
        return runChild(argv[0], std::string_view(argv[2]) == "reader");
    }
    // Children inherit these: no display and no sound device needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
