// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The word games' sprite box late in a long game: 1,000 flowers at rest
// below the visible area and 50 in flight. One 30 ms motion step and the
// repaint it asks for, with the flights as the games fly them (the fan,
// looped) and with all 50 kept in view.
#include "cartoon_box.h"
#include "catalogue.h"
#include "desktop_platform.h"
#include "services.h"
#include "sound.h"
#include "stepped_clock.h"
#include "window.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPaintEvent>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

namespace {

class SilentSound : public tk::SoundOutput {
  public:
    void play(tk::Clip, bool) override {}
    void stopAll() override {}
};

// Every iteration is exactly one motion step.
SteppedClock& steppedClock() {
    static SteppedClock stepped;
    return stepped;
}

// Paints of the box and the pixels they covered.
class PaintMeter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& area : static_cast<QPaintEvent*>(event)->region()) {
                pixels += static_cast<double>(area.width()) * area.height();
            }
        }
        return QObject::eventFilter(watched, event);
    }
    long paints = 0;
    double pixels = 0;
};

constexpr char kBox[] = "动画框";
constexpr char kFlower[] = "动画物体_鲜花1";
constexpr int kAtRest = 1000;
constexpr int kInFlight = 50;
constexpr int kStepMs = 30;
constexpr int kLooped = 1000000;

const std::vector<std::vector<int>> kFan = {{1, 100, -200, 100, 600},
                                            {1, 100, -400, 100, 600},
                                            {1, -100, -200, -100, 600},
                                            {1, -100, -400, -100, 600},
                                            {1, 0, -500, 0, 600}};
// Squares of five sizes around the release point: the flowers never leave
// the box, and no two of one release cover each other.
std::vector<int> squareAround(std::size_t flower) {
    const int side = 40 + 30 * static_cast<int>(flower);
    return {0, side, 0, 0, side, side, 0, 0, side, 0, 0, 0};
}

tk::WindowDef gameWindow(int& stopped) {
    tk::WindowDef def;
    def.name = "动画窗口";
    tk::UnitDef box = tk::unitDef(kBox, tk::Kind::CartoonBox, {0, 0, 800, 600});
    box.picture = content::picture(content::PictureRole::FindingBackground);
    tk::UnitDef flower = tk::unitDef(kFlower, tk::Kind::CartoonObject, {4, 4, 96, 124}, kBox);
    flower.visible = false;
    flower.picture = content::picture(content::PictureRole::Flower);
    flower.zoom = 500;
    flower.transparentColor = tk::Rgb(255, 255, 255);
    def.units = {box, flower};
    def.bindings = {
        {kBox, tk::Event::AutoAdvanceStopped, [&stopped](const tk::EventArgs&) { ++stopped; }}};
    return def;
}

struct Scene {
    std::unique_ptr<tk::Window> window;
    tk::UnitRef box;
    PaintMeter meter;
    int stopped = 0;
};

void release(const Scene& scene, int x, int y, int repeat, bool inView) {
    std::vector<int> ids{tk::CreateObject(scene.box, scene.window->unit(kFlower), x, y)};
    for (int copy = 0; copy < 4; ++copy) {
        ids.push_back(tk::CopyObject(scene.box, ids.front()));
    }
    for (std::size_t i = 0; i < ids.size(); ++i) {
        tk::AutoAdvance(scene.box, ids[i], 10, kStepMs, inView ? squareAround(i) : kFan[i], repeat);
    }
}

void paintPending() {
    QApplication::processEvents();
}

// One scene at a time, for as long as its benchmark runs; the last goes
// before the application does.
std::unique_ptr<Scene>& current() {
    static std::unique_ptr<Scene> shown;
    return shown;
}

Scene& scene(bool inView) {
    static bool shownInView = false;
    std::unique_ptr<Scene>& slot = current();
    if (slot && shownInView == inView) {
        return *slot;
    }
    // The other scene's flowers would go on flying on the same clock.
    slot.reset();
    shownInView = inView;
    static SilentSound sound;
    static tk::DesktopPlatform platform;
    tk::services() = tk::Services{&steppedClock(), &sound, &platform};
    content::loadBook();
    slot = std::make_unique<Scene>();
    Scene& made = *slot;
    made.window = tk::CreateWindow(gameWindow(made.stopped));
    made.box = made.window->unit(kBox);
    for (int i = 0; i < 100 && !made.window->windowHandle()->isExposed(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // 200 right answers, all flown: their flowers rest below the box.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(20, 760);
    std::uniform_int_distribution<int> y(40, 540);
    for (int answer = 0; answer < kAtRest / 5; ++answer) {
        release(made, x(random), y(random), 1, false);
    }
    while (made.stopped < kAtRest) {
        steppedClock().advance(kStepMs);
    }
    // Ten more, a few steps apart, flying on and on.
    for (int answer = 0; answer < kInFlight / 5; ++answer) {
        release(made, x(random), y(random), kLooped, inView);
        for (int step = 0; step < 9; ++step) {
            steppedClock().advance(kStepMs);
        }
    }
    paintPending();
    made.box.widget()->installEventFilter(&made.meter);
    return made;
}

void BM_MotionStepAndRepaint(benchmark::State& state) {
    Scene& s = scene(state.range(0) != 0);
    const long paintsBefore = s.meter.paints;
    const double pixelsBefore = s.meter.pixels;
    for (auto _ : state) {
        const long paints = s.meter.paints;
        steppedClock().advance(kStepMs);
        paintPending();
        if (s.meter.paints == paints) {
            state.SkipWithError("the step painted nothing");
            break;
        }
    }
    if (tk::ObjectCount(s.box) != kAtRest + kInFlight) {
        state.SkipWithError("the box does not hold the objects it should");
    }
    const double steps = static_cast<double>(state.iterations());
    state.counters["paints_per_step"] = static_cast<double>(s.meter.paints - paintsBefore) / steps;
    state.counters["painted_px_per_step"] = (s.meter.pixels - pixelsBefore) / steps;
}
BENCHMARK(BM_MotionStepAndRepaint)
    ->ArgName("all_in_view")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// For comparison: the whole box painted afresh, as a box that did not keep
// track of what changed would paint it at every step.
void BM_WholeBoxRepaint(benchmark::State& state) {
    Scene& s = scene(false);
    QWidget* box = s.box.widget();
    for (auto _ : state) {
        box->repaint();
    }
}
BENCHMARK(BM_WholeBoxRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    current().reset();
    return 0;
}
