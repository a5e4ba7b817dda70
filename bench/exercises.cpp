// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The exercises' costs: a right click in practice mode to the praise clip's
// first sample in the mix, and what a thousand answer-box judgements add to
// the reader's resident memory.
#include "catalogue.h"
#include "desktop_platform.h"
#include "first_sample.h"
#include "reader/page_names.h"
#include "reader/reader_state.h"
#include "real_clock.h"
#include "resident_memory.h"
#include "screen_harness.h"
#include "sdl_sound.h"
#include "services.h"
#include "window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using screen_harness::sdlSound;

// The SDL output, noting when each clip reached it.
class StampedSound : public tk::SoundOutput {
  public:
    void play(tk::Clip clip, bool loop) override {
        playedAt = first_sample::Clock::now();
        sdlSound().play(clip, loop);
    }
    void stopAll() override { sdlSound().stopAll(); }
    first_sample::Clock::time_point playedAt;
};

StampedSound& stampedSound() {
    static StampedSound sound;
    return sound;
}

// Real time, except that a pause lasts until the mixer has been heard: the
// pause after the praise clip then ends as soon as it is measured.
class ListeningClock : public tk::RealClock {
  public:
    void delay(int) override {
        playedBeforePause = stampedSound().playedAt;
        first_sample::awaitHeard();
    }
    first_sample::Clock::time_point playedBeforePause;
};

ListeningClock& listeningClock() {
    static ListeningClock clock;
    return clock;
}

tk::Window& reader() {
    static tk::DesktopPlatform desktop;
    return screen_harness::reader({{&listeningClock(), &stampedSound(), &desktop}, {}});
}

void clickButton(const char* name) {
    screen_harness::clickButton(reader(), name);
}

void showBookPage(int bookPage) {
    const int page = content::readerPageOf(bookPage);
    reader::state().pageIndex = page;
    reader().unit("高级选择夹1").setCurrentPage(page);
}

// Where the item asked now is printed, in the page picture's coordinates.
bool rightSpot(QPointF& at) {
    const exercises::ExerciseState& s = reader::state().exercise;
    if (s.targets.empty() || s.targets.front() > static_cast<int>(s.pageRectangles.size())) {
        return false;
    }
    const exercises::HotspotRect& r =
        s.pageRectangles[static_cast<std::size_t>(s.targets.front() - 1)];
    at = QPointF((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    return true;
}

// Each right click comes at a random point of the mixer's period, as a
// child's would.
void BM_RightClickToPraiseFirstSample(benchmark::State& state) {
    reader();
    showBookPage(6);
    first_sample::listen();
    QWidget* overlay = reader().unit(reader::overlayName(6)).widget();
    std::mt19937 random(5);
    screen_harness::Waits waits;
    double toPlay = 0;
    for (auto _ : state) {
        QPointF at;
        if (overlay->isHidden() || !overlay->isEnabled() || !rightSpot(at)) {
            first_sample::heard = false;
            clickButton("超级按钮_练一练");
            if (!rightSpot(at)) {
                state.SkipWithError("practice asked nothing");
                break;
            }
        }
        sdlSound().stopAll();
        const first_sample::Wait wait =
            first_sample::clickAndListen(random, 0, [&] { screen_harness::pressAt(overlay, at); });
        if (!wait.heard) {
            state.SkipWithError("the praise clip was never heard");
            break;
        }
        waits.add(wait.ms);
        // The praise reached the output just before its pause began.
        toPlay += std::chrono::duration<double>(listeningClock().playedBeforePause - wait.clicked)
                      .count();
        state.SetIterationTime(wait.ms / 1000);
    }
    state.counters["to_play_clip_ms"] =
        1000 * toPlay / double(std::max<benchmark::IterationCount>(1, state.iterations()));
    waits.report(state);
    first_sample::stopListening();
    sdlSound().stopAll();
}
BENCHMARK(BM_RightClickToPraiseFirstSample)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(60);

// A thousand judgements: tick boxes clicked and right digits typed and
// deleted again, every one with its mark.
void BM_ThousandAnswerJudgements(benchmark::State& state) {
    reader();
    showBookPage(64);
    auto* tick = qobject_cast<QCheckBox*>(reader().unit("选择框打钩64_1").widget());
    auto* edit = qobject_cast<QLineEdit*>(reader().unit("编辑框64_1").widget());
    const auto marks = [] { return tk::FindUnits(&reader(), {}, {}, 90, 90).size(); };
    // What the first judgement loads once (picture decoder, styles) is not growth.
    tick->click();
    edit->setText("1");
    edit->setText("");
    QApplication::processEvents();
    for (auto _ : state) {
        const std::size_t before = marks();
        const long anonKb = statusKb("RssAnon:");
        const long residentBefore = residentKb();
        for (int i = 0; i < 500; ++i) {
            tick->click();
            edit->setText(i % 2 == 0 ? "1" : "");
        }
        QApplication::processEvents();
        state.counters["marks_added"] = double(marks() - before);
        state.counters["rss_growth_mb"] = double(residentKb() - residentBefore) / 1024;
        state.counters["rss_anon_growth_mb"] = double(statusKb("RssAnon:") - anonKb) / 1024;
    }
}
BENCHMARK(BM_ThousandAnswerJudgements)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

SCREEN_BENCHMARK_MAIN()
