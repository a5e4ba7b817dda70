// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The real sound output, heard through SDL's disk driver: it writes the mixed
// output (S16 stereo, 44,100 Hz) to a file as it plays, in about real time.
#include "sdl_sound.h"
#include "services.h"
#include "sound.h"
#include "wav.h"

#include <SDL_audio.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Frame = std::array<std::int16_t, 2>;
using Frames = std::vector<Frame>;

constexpr int kRate = tk::kOutputRate;
constexpr std::size_t kTenthSecond = kRate / 10;

// Clips must outlive every output that cached them, as the book's do.
tk::Clip keep(Bytes bytes) {
    static std::vector<std::unique_ptr<Bytes>> kept;
    kept.push_back(std::make_unique<Bytes>(std::move(bytes)));
    return {kept.back()->data(), kept.back()->size()};
}

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

tk::Clip dataClip(const std::string& name) {
    static std::map<std::string, tk::Clip> loaded;
    auto found = loaded.find(name);
    if (found == loaded.end()) {
        Bytes bytes = readBytes(std::string(TEST_DATA_DIR) + "/" + name);
        EXPECT_FALSE(bytes.empty()) << name;
        found = loaded.emplace(name, keep(std::move(bytes))).first;
    }
    return found->second;
}

// --- Reading WAV files -------------------------------------------------------

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

void putChunk(Bytes& out, const char* id, const Bytes& body, bool pad = true) {
    out.insert(out.end(), id, id + 4);
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (pad && body.size() % 2 == 1) {
        out.push_back(0);
    }
}

// Chunk header with a size of our choosing and the bytes that follow it.
void putRawChunk(Bytes& out, const char* id, std::uint32_t size, const Bytes& body) {
    out.insert(out.end(), id, id + 4);
    put32(out, size);
    out.insert(out.end(), body.begin(), body.end());
}

Bytes fmtBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    Bytes b;
    put16(b, tag);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * channels * bits / 8);
    put16(b, static_cast<std::uint16_t>(channels * bits / 8));
    put16(b, bits);
    return b;
}

Bytes riff(const Bytes& chunks, const char* form = "WAVE") {
    Bytes out = {'R', 'I', 'F', 'F'};
    put32(out, static_cast<std::uint32_t>(chunks.size() + 4));
    out.insert(out.end(), form, form + 4);
    out.insert(out.end(), chunks.begin(), chunks.end());
    return out;
}

const Bytes kSamples = {1, 2, 3, 4, 5, 6};
const Bytes kPcmFmt = fmtBody(tk::kWavPcm, 1, 22050, 16);

Bytes plainWav() {
    Bytes chunks;
    putChunk(chunks, "fmt ", kPcmFmt);
    putChunk(chunks, "data", kSamples);
    return riff(chunks);
}

TEST(SoundWavReader, ReadsTheFormatAndDataOfEveryClipKind) {
    struct Case {
        const char* file;
        std::uint16_t tag, channels;
        std::uint32_t rate;
        std::uint16_t bits;
    };
    const Case cases[] = {
        {"adpcm_stereo_22050.wav", tk::kWavMsAdpcm, 2, 22050, 4},
        {"pcm8_mono_11025.wav", tk::kWavPcm, 1, 11025, 8},
        {"pcm8_mono_22050.wav", tk::kWavPcm, 1, 22050, 8},
        {"pcm16_mono_44100.wav", tk::kWavPcm, 1, 44100, 16},
        {"pcm16_stereo_22050.wav", tk::kWavPcm, 2, 22050, 16},
        {"mp3_mono_24000.wav", tk::kWavMp3, 1, 24000, 0},
        {"mp3_stereo_16000.wav", tk::kWavMp3, 2, 16000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const tk::Clip clip = dataClip(c.file);
        const auto info = tk::ReadWav(clip);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->formatTag, c.tag);
        EXPECT_EQ(info->channels, c.channels);
        EXPECT_EQ(info->sampleRate, c.rate);
        EXPECT_EQ(info->bitsPerSample, c.bits);
        // These files end with their data chunk (and its pad byte if odd),
        // after fmt and for some fact.
        ASSERT_GE(info->data.data, clip.data + 44);
        EXPECT_EQ(info->data.data + info->data.size + info->data.size % 2, clip.data + clip.size);
        std::uint32_t declared = 0;
        std::memcpy(&declared, info->data.data - 4, 4);
        EXPECT_EQ(declared, info->data.size);
    }
}

TEST(SoundWavReader, SkipsOtherChunksAndTheirPadding) {
    Bytes chunks;
    putChunk(chunks, "LIST", {'I', 'N', 'F', 'O', 'x'}); // odd: one pad byte follows
    putChunk(chunks, "fmt ", fmtBody(tk::kWavPcm, 2, 11025, 8));
    putChunk(chunks, "fact", {0, 0, 0, 0});
    putChunk(chunks, "cue ", {0, 0, 0, 0});
    putChunk(chunks, "data", kSamples);
    const Bytes wav = riff(chunks);
    const auto info = tk::ReadWav({wav.data(), wav.size()});
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->channels, 2);
    EXPECT_EQ(info->sampleRate, 11025u);
    EXPECT_EQ(info->bitsPerSample, 8);
    ASSERT_EQ(info->data.size, kSamples.size());
    EXPECT_EQ(Bytes(info->data.data, info->data.data + info->data.size), kSamples);
}

TEST(SoundWavReader, AcceptsDataBeforeFormatAndIgnoresTheRiffSize) {
    Bytes chunks;
    putChunk(chunks, "data", kSamples);
    putChunk(chunks, "fmt ", kPcmFmt);
    Bytes wav = riff(chunks);
    wav[4] = wav[5] = wav[6] = wav[7] = 0; // as streaming writers leave it
    const auto info = tk::ReadWav({wav.data(), wav.size()});
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->formatTag, tk::kWavPcm);
    EXPECT_EQ(info->data.data, wav.data() + 20);
    EXPECT_EQ(info->data.size, kSamples.size());
}

TEST(SoundWavReader, KeepsWhatIsThereOfACutDataChunk) {
    Bytes chunks;
    putChunk(chunks, "fmt ", kPcmFmt);
    putRawChunk(chunks, "data", 1000, kSamples);
    const Bytes wav = riff(chunks);
    const auto info = tk::ReadWav({wav.data(), wav.size()});
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->data.size, kSamples.size());
}

TEST(SoundWavReader, RefusesMalformedFiles) {
    const Bytes good = plainWav();
    auto withChunks = [](std::function<void(Bytes&)> build) {
        Bytes chunks;
        build(chunks);
        return riff(chunks);
    };
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"RIFF only", {'R', 'I', 'F', 'F'}},
        {"no chunks", riff({})},
        {"not RIFF",
         [&] {
             Bytes b = good;
             b[0] = 'X';
             return b;
         }()},
        {"not WAVE", riff({}, "AVI ")},
        {"header cut inside fmt", Bytes(good.begin(), good.begin() + 30)},
        {"header cut after a chunk id", Bytes(good.begin(), good.begin() + 16)},
        {"fmt too short", withChunks([](Bytes& c) {
             putChunk(c, "fmt ", Bytes(kPcmFmt.begin(), kPcmFmt.begin() + 14));
             putChunk(c, "data", kSamples);
         })},
        {"fmt beyond the end", withChunks([](Bytes& c) { putRawChunk(c, "fmt ", 40, kPcmFmt); })},
        {"chunk beyond the end before fmt", withChunks([](Bytes& c) {
             putRawChunk(c, "LIST", 0xffffffff, {'I', 'N', 'F', 'O'});
             putChunk(c, "fmt ", kPcmFmt);
             putChunk(c, "data", kSamples);
         })},
        {"no data chunk", withChunks([](Bytes& c) {
             putChunk(c, "fmt ", kPcmFmt);
             putChunk(c, "LIST", {'I', 'N', 'F', 'O'});
         })},
        {"no fmt chunk", withChunks([](Bytes& c) { putChunk(c, "data", kSamples); })},
        {"odd chunk without its pad byte", withChunks([](Bytes& c) {
             putChunk(c, "fmt ", kPcmFmt);
             putChunk(c, "LIST", {'I', 'N', 'F', 'O', 'x'}, false);
             putChunk(c, "data", kSamples);
         })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A buffer of exactly this size, so that a read past it is caught.
        const auto copy = std::make_unique<std::uint8_t[]>(c.bytes.size());
        std::copy(c.bytes.begin(), c.bytes.end(), copy.get());
        EXPECT_FALSE(tk::ReadWav({copy.get(), c.bytes.size()}).has_value());
    }
    EXPECT_FALSE(tk::ReadWav({}).has_value());
}

TEST(SoundWavReader, EmptyDataChunkIsReadAsEmpty) {
    Bytes chunks;
    putChunk(chunks, "fmt ", kPcmFmt);
    putChunk(chunks, "data", {});
    const Bytes wav = riff(chunks);
    const auto info = tk::ReadWav({wav.data(), wav.size()});
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->data.empty());
}

// Every prefix and many random corruptions of real files: the reader must
// stay inside the bytes it is given and point only into them.
TEST(SoundWavReader, StaysInBoundsOnCutAndCorruptedFiles) {
    std::mt19937 random(7);
    for (const char* name : {"adpcm_stereo_22050.wav", "mp3_mono_24000.wav"}) {
        const tk::Clip clip = dataClip(name);
        const Bytes original(clip.data, clip.data + clip.size);
        auto check = [](const Bytes& bytes) {
            const auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
            std::copy(bytes.begin(), bytes.end(), copy.get());
            const auto info = tk::ReadWav({copy.get(), bytes.size()});
            if (info) {
                EXPECT_GE(info->data.data, copy.get() + 12);
                EXPECT_LE(info->data.data + info->data.size, copy.get() + bytes.size());
            }
        };
        for (std::size_t n = 1; n <= 120; ++n) {
            check(Bytes(original.begin(), original.begin() + n));
        }
        for (int round = 0; round < 2000; ++round) {
            Bytes bytes(original.begin(), original.begin() + 1 + random() % original.size());
            for (int flips = 0; flips < 4; ++flips) {
                bytes[random() % std::min<std::size_t>(bytes.size(), 96)] =
                    static_cast<std::uint8_t>(random());
            }
            check(bytes);
        }
    }
}

// --- Hearing the output ----------------------------------------------------------

Frames readFrames(const std::string& path) {
    const Bytes bytes = readBytes(path);
    Frames frames(bytes.size() / sizeof(Frame));
    if (!frames.empty()) {
        std::memcpy(frames.data(), bytes.data(), frames.size() * sizeof(Frame));
    }
    return frames;
}

bool loud(const Frame& f, int threshold) {
    return std::abs(f[0]) > threshold || std::abs(f[1]) > threshold;
}

// Index of the first and one past the last frame above the threshold.
std::pair<std::size_t, std::size_t> loudSpan(const Frames& frames, int threshold = 0) {
    std::size_t first = frames.size(), end = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (loud(frames[i], threshold)) {
            first = std::min(first, i);
            end = i + 1;
        }
    }
    return {first, end};
}

// Something was heard and has been over for at least a fifth of a second.
bool heardAndOver(const Frames& frames) {
    const auto [first, end] = loudSpan(frames);
    return first < end && frames.size() - end >= 2 * kTenthSecond;
}

std::size_t longestRunNear(const Frames& frames, int value, int tolerance) {
    std::size_t run = 0, best = 0;
    for (const Frame& f : frames) {
        const bool near =
            std::abs(f[0] - value) <= tolerance && std::abs(f[1] - value) <= tolerance;
        run = near ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

std::size_t loudFrames(const Frames& frames) {
    return std::count_if(frames.begin(), frames.end(), [](const Frame& f) { return loud(f, 0); });
}

std::size_t longestLoudRun(const Frames& frames, int threshold) {
    std::size_t run = 0, best = 0;
    for (const Frame& f : frames) {
        run = loud(f, threshold) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

// Tone frequency of one channel over a span, by counting its rising crossings.
double frequency(const Frames& frames, std::size_t first, std::size_t end, int channel) {
    constexpr int kHysteresis = 256;
    int rising = 0;
    bool low = false;
    std::size_t firstRise = 0, lastRise = 0;
    for (std::size_t i = first; i < end; ++i) {
        const int s = frames[i][channel];
        if (s < -kHysteresis) {
            low = true;
        } else if (low && s > kHysteresis) {
            low = false;
            lastRise = i;
            if (rising++ == 0) {
                firstRise = i;
            }
        }
    }
    if (rising < 2) {
        return 0;
    }
    return (rising - 1) * double(kRate) / double(lastRise - firstRise);
}

class SoundPlayback : public ::testing::Test {
  protected:
    void SetUp() override {
        open("disk");
        int rate = 0, channels = 0;
        Uint16 format = 0;
        ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
        ASSERT_EQ(rate, kRate);
        ASSERT_EQ(format, AUDIO_S16SYS);
        ASSERT_EQ(channels, 2);
    }

    void TearDown() override {
        tk::services().sound = nullptr;
        output_.reset();
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        std::remove(path_.c_str());
    }

    void open(const char* driver) {
        std::string pattern = ::testing::TempDir() + "sound_test_XXXXXX";
        const int fd = mkstemp(pattern.data());
        ASSERT_GE(fd, 0);
        close(fd);
        path_ = pattern;
        setenv("SDL_AUDIODRIVER", driver, 1);
        setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
        output_ = std::make_unique<tk::SdlSoundOutput>();
        tk::services().sound = output_.get();
    }

    // Polls the written output until done holds; the machine may be slow.
    bool waitFor(const std::function<bool(const Frames&)>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            frames_ = readFrames(path_);
            if (done(frames_)) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    bool waitForMore(std::size_t count) {
        const std::size_t target = readFrames(path_).size() + count;
        return waitFor([&](const Frames& f) { return f.size() >= target; });
    }

    // Starts clips with the mixer held back: they all begin in the same
    // buffer, however long the machine takes between one call and the next.
    void startTogether(const std::function<void()>& start) {
        SDL_AudioDeviceID device = 0;
        for (SDL_AudioDeviceID id = 1; id <= 16 && device == 0; ++id) {
            if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) {
                device = id;
            }
        }
        ASSERT_NE(device, 0u) << "no open sound device";
        SDL_LockAudioDevice(device);
        start();
        SDL_UnlockAudioDevice(device);
    }

    std::string path_;
    std::unique_ptr<tk::SdlSoundOutput> output_;
    Frames frames_;
};

TEST_F(SoundPlayback, ClipsStartedOneAfterTheOtherAreHeardTogether) {
    startTogether([] {
        tk::PlayClip(dataClip("level_655.wav"));
        tk::PlayClip(dataClip("level_3277.wav"));
    });
    ASSERT_TRUE(waitFor(heardAndOver));
    // Both clips hold a constant level for half a second: heard together,
    // their sum lasts all of it, and neither is heard alone.
    EXPECT_EQ(longestRunNear(frames_, 655 + 3277, 80), 5 * kTenthSecond);
    const auto [first, end] = loudSpan(frames_);
    EXPECT_EQ(end - first, 5 * kTenthSecond);
}

TEST_F(SoundPlayback, ManyClipsAtOnceAllPlay) {
    constexpr int kClips = 40;
    startTogether([] {
        for (int i = 0; i < kClips; ++i) {
            tk::PlayClip(dataClip("level_655.wav"));
        }
    });
    ASSERT_TRUE(waitFor(heardAndOver));
    EXPECT_EQ(longestRunNear(frames_, kClips * 655, kClips * 15), 5 * kTenthSecond);
}

TEST_F(SoundPlayback, LoopedClipRepeatsUntilStopped) {
    tk::PlayClip(dataClip("level_3277.wav"), true);
    // The clip lasts half a second; looped, it goes on far longer.
    ASSERT_TRUE(
        waitFor([](const Frames& f) { return longestLoudRun(f, 1000) >= 15 * kTenthSecond; }));
    tk::StopSound();
    const std::size_t stoppedAt = readFrames(path_).size();
    ASSERT_TRUE(waitForMore(5 * kTenthSecond));
    // What the mixer had already made when the stop came may still be written.
    const Frames after(frames_.begin() + stoppedAt + kTenthSecond, frames_.end());
    EXPECT_GE(after.size(), 4 * kTenthSecond);
    EXPECT_EQ(loudSpan(after).second, 0u) << "sound after the stop";
}

TEST_F(SoundPlayback, StopSoundSilencesEveryClipAndIsHarmlessWhenQuiet) {
    tk::StopSound();
    tk::StopSound();
    tk::PlayClip(dataClip("level_3277.wav"), true);
    tk::PlayClip(dataClip("pcm16_stereo_22050.wav"), true);
    tk::PlayClip(dataClip("mp3_mono_24000.wav"));
    ASSERT_TRUE(waitFor([](const Frames& f) { return loudFrames(f) >= 3 * kTenthSecond; }));
    tk::StopSound();
    const std::size_t stoppedAt = readFrames(path_).size();
    ASSERT_TRUE(waitForMore(5 * kTenthSecond));
    const Frames after(frames_.begin() + stoppedAt + kTenthSecond, frames_.end());
    EXPECT_EQ(loudSpan(after).second, 0u) << "sound after the stop";
}

TEST_F(SoundPlayback, EmptyAndUnplayableClipsStaySilent) {
    std::mt19937 random(11);
    Bytes noise(4000);
    for (auto& b : noise) {
        b = static_cast<std::uint8_t>(random());
    }
    Bytes mp3Chunks;
    putChunk(mp3Chunks, "fmt ", fmtBody(tk::kWavMp3, 1, 24000, 0));
    putChunk(mp3Chunks, "data", noise);
    Bytes emptyData;
    putChunk(emptyData, "fmt ", kPcmFmt);
    putChunk(emptyData, "data", {});
    const tk::Clip wavHeader = dataClip("pcm16_mono_44100.wav");
    const tk::Clip unplayable[] = {
        {}, keep(noise), {wavHeader.data, 40}, keep(riff(mp3Chunks)), keep(riff(emptyData)),
    };
    ::testing::internal::CaptureStderr();
    for (int round = 0; round < 3; ++round) {
        for (const tk::Clip& clip : unplayable) {
            tk::PlayClip(clip);
        }
    }
    ASSERT_TRUE(waitForMore(5 * kTenthSecond));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(loudSpan(frames_).second, 0u) << "heard something";
    // And the output still plays what it can.
    tk::PlayClip(dataClip("level_3277.wav"));
    EXPECT_TRUE(waitFor(heardAndOver));
}

struct Format {
    const char* file;
    double hz;
};

void PrintTo(const Format& f, std::ostream* out) {
    *out << f.file;
}

class SoundFormat : public SoundPlayback, public ::testing::WithParamInterface<Format> {};

TEST_P(SoundFormat, PlaysAtItsOwnPitchAndLength) {
    tk::PlayClip(dataClip(GetParam().file));
    ASSERT_TRUE(waitFor(heardAndOver));
    const auto [first, end] = loudSpan(frames_, 300);
    const double seconds = double(end - first) / kRate;
    // Each clip is a 0.3 s tone; MP3 frames add a little around it.
    EXPECT_GT(seconds, 0.25);
    EXPECT_LT(seconds, 0.40);
    for (int channel : {0, 1}) {
        EXPECT_NEAR(frequency(frames_, first, end, channel), GetParam().hz, GetParam().hz * 0.03)
            << "channel " << channel;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, SoundFormat,
    ::testing::Values(Format{"adpcm_stereo_22050.wav", 440}, Format{"pcm8_mono_11025.wav", 550},
                      Format{"pcm8_mono_22050.wav", 660}, Format{"pcm16_mono_44100.wav", 770},
                      Format{"pcm16_stereo_22050.wav", 880}, Format{"mp3_mono_24000.wav", 990},
                      Format{"mp3_stereo_16000.wav", 1100}),
    [](const auto& test) {
        std::string name = test.param.file;
        return name.substr(0, name.find('.'));
    });

class SoundWithoutDevice : public SoundPlayback {
  protected:
    void SetUp() override {
        ::testing::internal::CaptureStderr();
        open("no-such-driver");
    }
};

TEST_F(SoundWithoutDevice, RunsSilentlyAndSaysSoOnce) {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    EXPECT_NE(Mix_QuerySpec(&rate, &format, &channels), 0) << "the dummy device is open";
    for (int i = 0; i < 3; ++i) {
        tk::PlayClip(dataClip("adpcm_stereo_22050.wav"), i == 0);
        tk::PlayClip(dataClip("mp3_mono_24000.wav"));
    }
    tk::StopSound();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("silently"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

} // namespace
