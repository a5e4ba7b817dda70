// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program left running, each run a fresh process (this binary again, in
// its child role) doing what the program does: the CPU it uses with nothing
// touched while a window's animation ticks, and its resident memory once the
// child has shown every page, in a window and full screen.
//
// Under the offscreen platform the screen is 1280 x 800 (data/); elsewhere,
// e.g. xvfb-run -a -s "-screen 0 1280x800x24", it is the display's.
#include "app/desktop_services.h"
#include "app/program_state.h"
#include "app/window_flow.h"
#include "catalogue.h"
#include "child_process.h"
#include "reader/page_names.h"
#include "reader/page_pictures.h"
#include "reader/reader_state.h"
#include "resident_memory.h"
#include "start/start_window.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kChildRole = "--running-child";
const std::filesystem::path kScreenConfig =
    std::filesystem::path(__FILE__).parent_path() / "data" / "offscreen_1280x800.json";

// Both animations move one pixel per 50 ms tick.
constexpr double kTickSeconds = 0.05;
constexpr int kIdleWarmUpMs = 2000;
constexpr int kIdleSeconds = 20;
constexpr auto kChildTimeout = std::chrono::seconds(120);

// --- The child --------------------------------------------------------------

tk::Window* shownWindow(const std::string& name, bool named) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<tk::Window*>(widget);
        if (window != nullptr && window->isVisible() && (window->name() == name) == named) {
            return window;
        }
    }
    return nullptr;
}

// Runs step once the window is shown: the start window (reader false) or
// the reader.
void whenShown(bool reader, std::function<void(tk::Window&)> step) {
    static const std::string startName = start::startWindow().name;
    QTimer::singleShot(50, [reader, step = std::move(step)]() mutable {
        if (tk::Window* window = shownWindow(startName, !reader)) {
            step(*window);
        } else {
            whenShown(reader, std::move(step));
        }
    });
}

// Clicks a button whose handler may run a window's loop: the next step is
// scheduled first.
void clickThen(tk::Window& window, const char* button, bool reader,
               std::function<void(tk::Window&)> next) {
    whenShown(reader, std::move(next));
    if (auto* b = qobject_cast<QAbstractButton*>(window.unit(button).widget())) {
        b->click();
    } else {
        std::_Exit(1);
    }
}

double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts every paint of every widget, and the animated panel's moves.
class PaintCount : public QObject {
  public:
    PaintCount(const QWidget* panel, const int& offset) : panel_(panel), offset_(offset) {}

    long paints = 0;
    double paintedPixels = 0;
    long panelPaints = 0;
    long moves = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        ++paints;
        for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) {
            paintedPixels += double(r.width()) * r.height();
        }
        if (watched == panel_) {
            ++panelPaints;
            if (offset_ != lastOffset_) {
                ++moves;
                lastOffset_ = offset_;
            }
        }
        return false;
    }

  private:
    const QWidget* panel_;
    const int& offset_;
    int lastOffset_ = offset_;
};

// Leaves the window alone for a while, then reports what it cost.
void measureIdle(tk::Window& window, const int& offset) {
    QTimer::singleShot(kIdleWarmUpMs, [&window, &offset] {
        reader::pagePictures().settle();
        static PaintCount count(window.unit("画板1").widget(), offset);
        qApp->installEventFilter(&count);
        const auto start = Clock::now();
        const double process = cpuSeconds(RUSAGE_SELF);
        const double main = cpuSeconds(RUSAGE_THREAD);
        QTimer::singleShot(kIdleSeconds * 1000, [start, process, main] {
            const double thread = cpuSeconds(RUSAGE_THREAD) - main;
            const double all = cpuSeconds(RUSAGE_SELF) - process;
            const double wall = std::chrono::duration<double>(Clock::now() - start).count();
            std::ostringstream line;
            line << "idle " << wall << ' ' << all << ' ' << thread << ' ' << count.moves << ' '
                 << count.panelPaints << ' ' << count.paints << ' ' << count.paintedPixels;
            reportToParent(line.str());
            std::_Exit(0);
        });
    });
}

// Every page on from the first, painted and its neighbours decoded, then
// the word drill's page; reports the resident memory.
void visitEveryPage(tk::Window& window) {
    while (reader::state().pageIndex < reader::kLastBookPage) {
        const int page = reader::state().pageIndex;
        qobject_cast<QAbstractButton*>(window.unit("超级按钮_下一页").widget())->click();
        if (reader::state().pageIndex != page + 1) {
            std::_Exit(1);
        }
        window.repaint();
        reader::pagePictures().settle();
    }
    qobject_cast<QAbstractButton*>(window.unit("超级按钮_背单词").widget())->click();
    window.repaint();
    QApplication::processEvents();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    std::ostringstream line;
    line << "resident " << residentKb() << ' ' << statusKb("RssAnon:") << ' '
         << statusKb("RssFile:") << ' ' << reader::pagePictures().cachedBytes() << ' '
         << window.width() << ' ' << window.height() << ' ' << screen.width() << ' '
         << screen.height();
    reportToParent(line.str());
    std::_Exit(0);
}

int runChild(char* name, std::string_view what, std::string_view where) {
    int qtArgc = 1;
    char* qtArgv[] = {name, nullptr};
    QApplication application(qtArgc, qtArgv);
    QApplication::setQuitOnLastWindowClosed(false);
    const app::DesktopServices services;
    content::loadBook();
    app::ProgramState& program = app::program();
    if (what == "idle" && where == "start") {
        whenShown(false, [&](tk::Window& start) { measureIdle(start, program.startLineOffset); });
    } else if (what == "idle" && where == "reader") {
        whenShown(false, [&](tk::Window& start) {
            clickThen(start, "超级按钮_开始学习", true, [&](tk::Window& reader) {
                measureIdle(reader, program.display.titleOffset);
            });
        });
    } else if (what == "resident" && where == "window") {
        whenShown(false, [](tk::Window& start) {
            clickThen(start, "超级按钮_开始学习", true, visitEveryPage);
        });
    } else if (what == "resident" && where == "full_screen") {
        whenShown(false, [](tk::Window& start) {
            clickThen(start, "超级按钮_开始学习", true, [](tk::Window& reader) {
                clickThen(reader, "超级按钮_全屏", true, visitEveryPage);
            });
        });
    } else {
        return 2;
    }
    app::runStartWindow();
    return 1;
}

// --- The benchmarks -----------------------------------------------------------

std::optional<std::istringstream> childReport(std::string_view what, std::string_view where) {
    ChildProcess child({std::string(kChildRole), std::string(what), std::string(where)});
    const auto line = child.readLine(child.spawned() + kChildTimeout);
    std::istringstream fields(line.value_or(""));
    std::string word;
    if (!(fields >> word) || word != what) {
        return std::nullopt;
    }
    return fields;
}

// Percent of one core the whole process used (the sound output's thread
// included) and its main thread alone.
void BM_IdleCpu(benchmark::State& state, std::string_view where) {
    for (auto _ : state) {
        auto fields = childReport("idle", where);
        double wall = 0, process = 0, main = 0, pixels = 0;
        long moves = 0, panelPaints = 0, paints = 0;
        if (!fields ||
            !(*fields >> wall >> process >> main >> moves >> panelPaints >> paints >> pixels)) {
            state.SkipWithError("the child reported nothing");
            return;
        }
        if (moves == 0) {
            state.SkipWithError("the animation did not tick");
            return;
        }
        if (double(moves) < wall / kTickSeconds / 2) {
            state.SkipWithError("the animation ticked at under half its rate");
            return;
        }
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100 * process / wall;
        state.counters["main_thread_percent"] = 100 * main / wall;
        state.counters["ticks_per_s"] = double(moves) / wall;
        state.counters["us_per_tick"] = 1e6 * main / double(moves);
        state.counters["paints_per_tick"] = double(paints) / double(panelPaints);
        state.counters["pixels_per_tick"] = pixels / double(panelPaints);
    }
}
BENCHMARK_CAPTURE(BM_IdleCpu, start_window, "start")
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_IdleCpu, reader, "reader")
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

void BM_ResidentAfterEveryPage(benchmark::State& state, std::string_view where) {
    for (auto _ : state) {
        auto fields = childReport("resident", where);
        long rssKb = 0, anonKb = 0, fileKb = 0;
        double cacheBytes = 0;
        int width = 0, height = 0, screenWidth = 0, screenHeight = 0;
        if (!fields || !(*fields >> rssKb >> anonKb >> fileKb >> cacheBytes >> width >> height >>
                         screenWidth >> screenHeight)) {
            state.SkipWithError("the child did not show every page");
            return;
        }
        if (where == "full_screen" && (width != screenWidth || height != screenHeight)) {
            state.SkipWithError("the reader did not fill the screen");
            return;
        }
        state.counters["VmRSS_MB"] = double(rssKb) / 1024;
        state.counters["anon_MB"] = double(anonKb) / 1024;
        state.counters["file_MB"] = double(fileKb) / 1024;
        state.counters["cache_MB"] = cacheBytes / (1 << 20);
        state.counters["reader_width"] = width;
        state.counters["reader_height"] = height;
    }
}
BENCHMARK_CAPTURE(BM_ResidentAfterEveryPage, window, "window")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ResidentAfterEveryPage, full_screen, "full_screen")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && argv[1] == kChildRole) {
        return runChild(argv[0], argv[2], argv[3]);
    }
    // Children inherit these: no sound device needed, and an offscreen
    // screen of a laptop's size.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || std::string_view(platform) == "offscreen") {
        const std::string configured = "offscreen:configfile=" + kScreenConfig.string();
        setenv("QT_QPA_PLATFORM", configured.c_str(), 1);
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
