// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Sound output costs: decoding each kind of clip, and how soon a cached clip
// reaches the mix after PlayClip. Runs on SDL's dummy driver unless told otherwise.
#include "sdl_sound.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const std::filesystem::path kBenchData = std::filesystem::path(__FILE__).parent_path() / "data";
const std::filesystem::path kTestData =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "tests" / "toolkit" / "data";

tk::SdlSoundOutput& output() {
    static const bool driverChosen = setenv("SDL_AUDIODRIVER", "dummy", 0) == 0;
    static tk::SdlSoundOutput instance;
    benchmark::DoNotOptimize(driverChosen);
    return instance;
}

tk::Clip clipFile(const std::filesystem::path& path) {
    static std::map<std::filesystem::path, std::vector<std::uint8_t>> files;
    auto& bytes = files[path];
    if (bytes.empty()) {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    return {bytes.data(), bytes.size()};
}

void BM_Decode(benchmark::State& state, const std::filesystem::path& path) {
    output();
    const tk::Clip clip = clipFile(path);
    if (clip.empty()) {
        state.SkipWithError("clip file missing");
        return;
    }
    std::int64_t frames = 0;
    for (auto _ : state) {
        Mix_Chunk* chunk = tk::DecodeClip(clip);
        if (chunk == nullptr) {
            state.SkipWithError("clip did not decode");
            return;
        }
        frames = chunk->alen / 4;
        Mix_FreeChunk(chunk);
    }
    state.counters["output_seconds"] = double(frames) / tk::kOutputRate;
}

BENCHMARK_CAPTURE(BM_Decode, adpcm_stereo_22050_2s, kBenchData / "adpcm_stereo_22050_2s.wav")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decode, adpcm_stereo_22050, kTestData / "adpcm_stereo_22050.wav")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decode, pcm8_mono_11025, kTestData / "pcm8_mono_11025.wav")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decode, pcm8_mono_22050, kTestData / "pcm8_mono_22050.wav")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decode, pcm16_mono_44100, kTestData / "pcm16_mono_44100.wav")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decode, pcm16_stereo_22050, kTestData / "pcm16_stereo_22050.wav")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decode, mp3_mono_24000, kTestData / "mp3_mono_24000.wav")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decode, mp3_stereo_16000, kTestData / "mp3_stereo_16000.wav")
    ->Unit(benchmark::kMicrosecond);

// The mixer's own view: when it first mixes a buffer with sound in it, and
// how long its buffers are.
struct MixWatch {
    std::atomic<bool> heard{false};
    std::atomic<std::int64_t> heardAt{0};
    std::atomic<int> bufferFrames{0};
};

MixWatch& watch() {
    static MixWatch instance;
    return instance;
}

void onMix(void*, Uint8* stream, int len) {
    MixWatch& w = watch();
    w.bufferFrames = len / 4;
    if (w.heard) {
        return;
    }
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    for (int i = 0; i < len / 2; ++i) {
        if (samples[i] != 0) {
            w.heardAt = Clock::now().time_since_epoch().count();
            w.heard = true;
            return;
        }
    }
}

tk::Clip cachedClip() {
    const tk::Clip clip = clipFile(kTestData / "pcm16_stereo_22050.wav");
    output().play(clip, false);
    output().stopAll();
    return clip;
}

// PlayClip of a cached clip until its channel is playing.
void BM_PlayCached(benchmark::State& state) {
    const tk::Clip clip = cachedClip();
    for (auto _ : state) {
        output().play(clip, false);
        if (Mix_Playing(-1) == 0) {
            state.SkipWithError("clip is not playing");
            return;
        }
        state.PauseTiming();
        output().stopAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlayCached)->Unit(benchmark::kMicrosecond);

// PlayClip of a cached clip until the mixer has mixed its first samples:
// mostly the wait for the device's next buffer, so each press comes at a
// random point of the buffer period, as a child's would.
void BM_PlayCachedToMix(benchmark::State& state) {
    const tk::Clip clip = cachedClip();
    Mix_SetPostMix(onMix, nullptr);
    MixWatch& w = watch();
    std::mt19937 random(5);
    std::uniform_int_distribution<int> phase(0, 12000);
    double worst = 0;
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
        w.heard = false;
        const auto start = Clock::now();
        output().play(clip, false);
        const auto deadline = start + std::chrono::seconds(5);
        while (!w.heard && Clock::now() < deadline) {
            std::this_thread::yield();
        }
        if (!w.heard) {
            state.SkipWithError("the mixer never mixed the clip");
            break;
        }
        const auto mixed = Clock::time_point(Clock::duration(w.heardAt.load()));
        const double seconds = std::chrono::duration<double>(mixed - start).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
        output().stopAll();
    }
    Mix_SetPostMix(nullptr, nullptr);
    state.counters["buffer_frames"] = w.bufferFrames.load();
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(BM_PlayCachedToMix)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(300);

} // namespace

BENCHMARK_MAIN();
