// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The matching game's costs, with its music playing: a new deal of 48 tiles
// from a lesson chosen to the board painted; a click on a tile to its frame
// painted, and a click that clears a pair to the change painted; and any
// click to its effect's first sample in the mix.
#include "first_sample.h"
#include "games/matching/matching_names.h"
#include "games/matching/matching_window.h"
#include "real_clock.h"
#include "screen_harness.h"
#include "sdl_sound.h"
#include "window.h"

#include <QComboBox>
#include <SDL_mixer.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>
#include <random>

namespace {

using screen_harness::Clock;
using screen_harness::msSince;
using screen_harness::sdlSound;

struct Game {
    std::shared_ptr<matching::MatchingGame> state = std::make_shared<matching::MatchingGame>();
    tk::Window* window = nullptr;
    QWidget* board = nullptr;
    screen_harness::PaintCounter boardPaints;
    int musicChannel = -1;
};

int playingChannel() {
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        if (Mix_Playing(channel) != 0) {
            return channel;
        }
    }
    return -1;
}

// One window for the whole run, open on unit 1 with its music looping.
Game& game() {
    static Game* made = [] {
        static tk::RealClock clock;
        static screen_harness::AnsweringDesktop desktop;
        tk::services() = tk::Services{&clock, &sdlSound(), &desktop};
        content::loadBook();
        auto* g = new Game;
        g->window = &screen_harness::keep(tk::CreateWindow(matching::matchingWindow(g->state)));
        g->board = g->window->unit(matching::kBoard).widget();
        g->board->installEventFilter(&g->boardPaints);
        g->window->repaint();
        g->musicChannel = playingChannel();
        return g;
    }();
    return *made;
}

// Every clip but the music stops.
void silenceEffects() {
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        if (channel != game().musicChannel) {
            Mix_HaltChannel(channel);
        }
    }
}

const matching::Cell& cell(int k) {
    return game().state->cells[static_cast<std::size_t>(k - 1)];
}

bool holdsTile(int k) {
    const std::vector<int>& removed = game().state->removed;
    return cell(k).tile != 0 && std::find(removed.begin(), removed.end(), k) == removed.end();
}

// The first cell still holding a tile, and one that holds its partner.
std::pair<int, int> openPair() {
    const matching::MatchingGame& g = *game().state;
    for (int k = 1; k <= matching::kCells; ++k) {
        if (!holdsTile(k)) {
            continue;
        }
        for (int other = 1; other <= matching::kCells; ++other) {
            if (holdsTile(other) &&
                matching::isPair(cell(k).tile, cell(other).tile, g.dealtWords)) {
                return {k, other};
            }
        }
    }
    return {0, 0};
}

// A cell holding a tile that does not pair with cell k's.
int strangerTo(int k) {
    for (int other = 1; other <= matching::kCells; ++other) {
        if (other != k && holdsTile(other) &&
            !matching::isPair(cell(k).tile, cell(other).tile, game().state->dealtWords)) {
            return other;
        }
    }
    return 0;
}

void clickCell(int k) {
    const tk::Rect r = matching::cellRect(k);
    screen_harness::pressAt(game().board, QPointF(r.left + r.width / 2, r.top + r.height / 2));
}

// A spot of the board between the dealt area and the time bar: no tile.
void clickEmpty() {
    screen_harness::pressAt(game().board, QPointF(400, 56));
}

void chooseLesson(int index) {
    auto* lessons = qobject_cast<QComboBox*>(game().window->unit(matching::kLessonList).widget());
    lessons->setCurrentIndex(index);
    emit lessons->activated(index);
}

bool fullBoard() {
    for (int k = 1; k <= matching::kCells; ++k) {
        if (!holdsTile(k)) {
            return false;
        }
    }
    return true;
}

// Units 1 to 6 in turn, each dealt whole: 12 words on 2 tiles each, or 6 on 4.
void BM_DealToPainted(benchmark::State& state) {
    Game& g = game();
    int lesson = 0;
    screen_harness::Waits handled;
    screen_harness::Waits painted;
    for (auto _ : state) {
        lesson = (lesson + 1) % 6;
        const long paints = g.boardPaints.paints;
        const auto start = Clock::now();
        chooseLesson(lesson);
        const auto dealt = Clock::now();
        g.window->repaint();
        const auto end = Clock::now();
        if (!fullBoard() || g.boardPaints.paints == paints) {
            state.SkipWithError("the board was not dealt whole and painted");
            break;
        }
        handled.add(msSince(start, dealt));
        painted.add(msSince(start, end));
        state.SetIterationTime(msSince(start, end) / 1000);
    }
    painted.report(state);
    state.counters["deal_only_mean_ms"] = handled.mean();
    state.counters["deal_only_worst_ms"] = handled.worst();
}
BENCHMARK(BM_DealToPainted)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The first tile of a pair chosen: its frame drawn and painted. Clicking it
// again, untimed, takes the frame off for the next round.
void BM_SelectClickToPainted(benchmark::State& state) {
    Game& g = game();
    chooseLesson(0);
    screen_harness::Waits waits;
    for (auto _ : state) {
        const int k = openPair().first;
        const long paints = g.boardPaints.paints;
        const auto start = Clock::now();
        clickCell(k);
        g.window->repaint();
        const double ms = msSince(start, Clock::now());
        if (g.state->selectedCell != k || g.boardPaints.paints == paints) {
            state.SkipWithError("the click framed nothing");
            break;
        }
        waits.add(ms);
        state.SetIterationTime(ms / 1000);
        clickCell(k);
        silenceEffects();
    }
    waits.report(state);
}
BENCHMARK(BM_SelectClickToPainted)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The second tile of a pair: both cleared and painted. Every 24th click
// clears the board, and its message and the next deal come with it.
void BM_PairClickToPainted(benchmark::State& state) {
    Game& g = game();
    chooseLesson(0);
    screen_harness::Waits waits;
    for (auto _ : state) {
        const auto [first, second] = openPair();
        clickCell(first);
        g.window->repaint();
        const std::size_t removed = g.state->removed.size();
        const long paints = g.boardPaints.paints;
        const auto start = Clock::now();
        clickCell(second);
        g.window->repaint();
        const double ms = msSince(start, Clock::now());
        const bool cleared = g.state->removed.size() == removed + 2 || g.state->removed.empty();
        if (!cleared || g.boardPaints.paints == paints) {
            state.SkipWithError("the click cleared no pair");
            break;
        }
        waits.add(ms);
        state.SetIterationTime(ms / 1000);
        silenceEffects();
    }
    waits.report(state);
}
BENCHMARK(BM_PairClickToPainted)->UseManualTime()->Unit(benchmark::kMicrosecond);

enum class ClickKind { Select, Pair, NotPair, Empty };

// Brings the board to where a click of this kind can be made; returns the click.
std::function<void()> prepareClick(ClickKind kind) {
    const auto [first, second] = openPair();
    switch (kind) {
    case ClickKind::Select:
        return [k = first] { clickCell(k); };
    case ClickKind::Pair:
        clickCell(first);
        return [k = second] { clickCell(k); };
    case ClickKind::NotPair:
        clickCell(first);
        return [k = strangerTo(first)] { clickCell(k); };
    case ClickKind::Empty:
        return clickEmpty;
    }
    return clickEmpty;
}

// Each click comes at a random point of the mixer's period, as a child's
// would, and the music plays on under its effect.
void BM_ClickToFirstSample(benchmark::State& state) {
    Game& g = game();
    chooseLesson(0);
    const auto kind = static_cast<ClickKind>(state.range(0));
    if (g.musicChannel < 0) {
        state.SkipWithError("the music is not playing");
        return;
    }
    first_sample::listenOver(g.musicChannel);
    // With no click, nothing is heard over the music.
    first_sample::heard = false;
    if (first_sample::awaitHeard(std::chrono::milliseconds(200))) {
        first_sample::stopListening();
        state.SkipWithError("the music is heard as a new sound");
        return;
    }
    std::mt19937 random(11);
    screen_harness::Waits waits;
    for (auto _ : state) {
        if (kind != ClickKind::Select && g.state->selectedCell != 0) {
            clickCell(g.state->selectedCell);
        }
        const std::function<void()> click = prepareClick(kind);
        g.window->repaint();
        silenceEffects();
        const first_sample::Wait wait = first_sample::clickAndListen(random, 0.02, click);
        if (!wait.heard) {
            state.SkipWithError("the click's effect was never heard");
            break;
        }
        waits.add(wait.ms);
        state.SetIterationTime(wait.ms / 1000);
        g.window->repaint();
        if (kind == ClickKind::Select) {
            clickCell(g.state->selectedCell);
        }
    }
    waits.report(state);
    state.counters["mixer_period_ms"] = first_sample::periodMs();
    constexpr content::Effect kEffects[] = {
        content::Effect::MatchSelect, content::Effect::MatchPair, content::Effect::MatchNotPair,
        content::Effect::MatchEmpty};
    state.counters["clip_silent_start_ms"] =
        first_sample::leadingSilenceMs(content::effect(kEffects[static_cast<std::size_t>(kind)]));
    first_sample::stopListening();
    silenceEffects();
}
BENCHMARK(BM_ClickToFirstSample)
    ->ArgName("select_pair_notpair_empty")
    ->DenseRange(0, 3)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100);

} // namespace

SCREEN_BENCHMARK_MAIN()
