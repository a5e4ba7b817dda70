// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The book maker's clips: every voice spoken into its format, the cache that
// makes an unchanged book without any engine, dropped-in recordings (those
// the program cannot play converted or refused), errors, and the effects and
// music of the games. Runs the real engines.
#include "maker_files.h"
#include "recordings.h"
#include "sdl_sound.h"
#include "wav.h"

#include <QProcess>
#include <QTemporaryDir>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace bookmaker;

const std::map<std::string, std::string> kVoices = {
    {"narrator", "narrator"}, {"Ben", "boy"},      {"Lily", "girl"}, {"Miss_Li", "woman"},
    {"Mr_Brown", "man"},      {"Wang", "chinese"}, {"Pip", "pip"}};

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::optional<tk::WavInfo> wavOf(const std::string& bytes) {
    return tk::ReadWav({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

struct Layout {
    std::uint16_t tag;
    int channels;
    std::uint32_t rate;
    int bits; // 0: not checked (MP3)
};

Layout layoutOf(ClipFormat format) {
    switch (format) {
    case ClipFormat::Adpcm:
        return {tk::kWavMsAdpcm, 2, 22050, 4};
    case ClipFormat::Mp3Mono24000:
        return {tk::kWavMp3, 1, 24000, 0};
    case ClipFormat::Mp3Stereo16000:
        return {tk::kWavMp3, 2, 16000, 0};
    case ClipFormat::Pcm8Mono22050:
        return {tk::kWavPcm, 1, 22050, 8};
    case ClipFormat::Pcm16Stereo22050:
        return {tk::kWavPcm, 2, 22050, 16};
    case ClipFormat::Pcm16Mono44100:
        return {tk::kWavPcm, 1, 44100, 16};
    case ClipFormat::Pcm16Mono22050:
        return {tk::kWavPcm, 1, 22050, 16};
    case ClipFormat::Pcm8Mono11025:
        return {tk::kWavPcm, 1, 11025, 8};
    }
    return {};
}

void expectFormat(const fs::path& file, ClipFormat format) {
    const auto wav = wavOf(readFile(file));
    ASSERT_TRUE(wav) << file;
    const Layout want = layoutOf(format);
    EXPECT_EQ(wav->formatTag, want.tag) << file;
    EXPECT_EQ(wav->channels, want.channels) << file;
    EXPECT_EQ(wav->sampleRate, want.rate) << file;
    if (want.bits != 0) {
        EXPECT_EQ(wav->bitsPerSample, want.bits) << file;
    }
    EXPECT_GT(wav->data.size, 500u) << file;
}

// Seconds of audio, as a player decodes it.
double secondsOf(const fs::path& file) {
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0",
                            QString::fromStdString(file.string())});
    probe.waitForFinished();
    return probe.readAllStandardOutput().trimmed().toDouble();
}

// The samples of a 16-bit mono PCM clip, scaled to -1..1.
std::vector<double> samplesOf(const fs::path& file) {
    const std::string bytes = readFile(file);
    const auto wav = wavOf(bytes);
    std::vector<double> samples;
    if (!wav || wav->bitsPerSample != 16 || wav->channels != 1) {
        return samples;
    }
    for (std::size_t k = 0; k + 1 < wav->data.size; k += 2) {
        const auto value =
            static_cast<std::int16_t>(wav->data.data[k] | (wav->data.data[k + 1] << 8));
        samples.push_back(value / 32768.0);
    }
    return samples;
}

bool runSox(const QStringList& args) {
    QProcess sox;
    sox.start("sox", args);
    return sox.waitForFinished() && sox.exitCode() == 0;
}

// PATH pointing at an empty folder: no engine can be found while it lives.
class NoEngines {
  public:
    explicit NoEngines(const fs::path& empty) : saved_(std::getenv("PATH")) {
        fs::create_directories(empty);
        setenv("PATH", empty.c_str(), 1);
    }
    ~NoEngines() { setenv("PATH", saved_.c_str(), 1); }
    NoEngines(const NoEngines&) = delete;
    NoEngines& operator=(const NoEngines&) = delete;

  private:
    std::string saved_;
};

// Decodes a clip as the program does before playing it: through its own
// sound output, on SDL's dummy driver.
class ProgramDecoder {
  public:
    ProgramDecoder() {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        output_ = std::make_unique<tk::SdlSoundOutput>();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    bool plays(const std::string& wav) const {
        Mix_Chunk* chunk =
            tk::DecodeClip({reinterpret_cast<const std::uint8_t*>(wav.data()), wav.size()});
        if (chunk != nullptr) {
            Mix_FreeChunk(chunk);
        }
        return chunk != nullptr;
    }

  private:
    std::unique_ptr<tk::SdlSoundOutput> output_;
};

// The chunks of a RIFF/WAVE file, in their order.
struct Chunk {
    std::string id;
    std::string body;
};

std::vector<Chunk> chunksOf(const std::string& wav) {
    std::vector<Chunk> chunks;
    for (std::size_t pos = 12; pos + 8 <= wav.size();) {
        const auto byte = [&](std::size_t k) { return std::uint32_t(std::uint8_t(wav[pos + k])); };
        const std::size_t size = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24;
        chunks.push_back({wav.substr(pos, 4), wav.substr(pos + 8, size)});
        pos += 8 + size + (size & 1);
    }
    return chunks;
}

std::string littleEndian32(std::size_t value) {
    std::string bytes(4, '\0');
    for (int k = 0; k < 4; ++k) {
        bytes[std::size_t(k)] = char((value >> (8 * k)) & 0xff);
    }
    return bytes;
}

std::string riffOf(const std::vector<Chunk>& chunks) {
    std::string body = "WAVE";
    for (const Chunk& chunk : chunks) {
        body += chunk.id + littleEndian32(chunk.body.size()) + chunk.body;
        body += chunk.body.size() % 2 == 1 ? std::string(1, '\0') : "";
    }
    return "RIFF" + littleEndian32(body.size()) + body;
}

std::vector<Recording> sampleBook() {
    return {
        {"u1_w01", {{"narrator", "apple"}}, ClipFormat::Adpcm},
        // A dialogue in four voices; Ben's part is two lines of a chant.
        {"p06_03",
         {{"Ben", "Hello, hello! / I'm Ben."},
          {"Miss_Li", "Good morning, Ben."},
          {"Mr_Brown", "Hi, Lily."},
          {"Lily", "Hi!"}},
         ClipFormat::Pcm16Mono22050},
        {"p74_c01", {{"Wang", "ni3 hao3"}}, ClipFormat::Mp3Mono24000},
    };
}

class RecordingsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        ASSERT_TRUE(dir_->isValid());
        std::string error;
        ASSERT_TRUE(makeRecordings(sampleBook(), kVoices, options("first"), error)) << error;
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    static fs::path root() { return dir_->path().toStdString(); }
    static AudioOptions options(const std::string& out, const std::string& cache = "cache") {
        return {root() / "data", root() / cache, root() / out, 2};
    }
    static std::string made(const std::string& out, const std::string& id) {
        return readFile(root() / out / (id + ".wav"));
    }

    static QTemporaryDir* dir_;
};

QTemporaryDir* RecordingsTest::dir_ = nullptr;

TEST_F(RecordingsTest, SpeaksEveryClipInItsFormat) {
    for (const Recording& recording : sampleBook()) {
        expectFormat(root() / "first" / (recording.id + ".wav"), recording.format);
    }
    EXPECT_GT(secondsOf(root() / "first" / "p74_c01.wav"), 0.4);
}

TEST_F(RecordingsTest, DialogueIsTrimmedNormalisedAndPaused) {
    const std::vector<double> samples = samplesOf(root() / "first" / "p06_03.wav");
    ASSERT_FALSE(samples.empty());
    constexpr double kRate = 22050;
    double peak = 0;
    std::size_t onset = samples.size();
    int pauses = 0;
    std::size_t quiet = 0;
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const double level = std::abs(samples[k]);
        peak = std::max(peak, level);
        if (level > 0.01 && onset == samples.size()) {
            onset = k;
        }
        quiet = level < 0.003 ? quiet + 1 : 0;
        pauses += quiet == static_cast<std::size_t>(0.3 * kRate) ? 1 : 0;
    }
    EXPECT_LT(onset / kRate, 0.03) << "a press must be heard at once";
    EXPECT_NEAR(peak, 0.891, 0.03) << "normalised to -1 dB";
    // Five lines: a pause after each but the last.
    EXPECT_GE(pauses, 4);
    EXPECT_GT(samples.size() / kRate, 4.0);
}

TEST_F(RecordingsTest, UnchangedClipsComeFromTheCacheWithoutAnyEngine) {
    std::string error;
    {
        const NoEngines none(root() / "empty-path");
        ASSERT_TRUE(makeRecordings(sampleBook(), kVoices, options("again"), error)) << error;
    }
    for (const Recording& recording : sampleBook()) {
        EXPECT_EQ(made("again", recording.id), made("first", recording.id)) << recording.id;
    }

    // A changed text needs an engine again, and says which one is missing.
    std::vector<Recording> changed = sampleBook();
    changed[0].parts[0].text = "banana";
    const NoEngines none(root() / "empty-path");
    EXPECT_FALSE(makeRecordings(changed, kVoices, options("changed"), error));
    EXPECT_NE(error.find("u1_w01"), std::string::npos) << error;
    EXPECT_NE(error.find("flite is not installed"), std::string::npos) << error;
}

TEST_F(RecordingsTest, RemakesTheSameBytesAndFollowsTheVoices) {
    std::string error;
    ASSERT_TRUE(makeRecordings(sampleBook(), kVoices, options("fresh", "fresh-cache"), error))
        << error;
    for (const Recording& recording : sampleBook()) {
        EXPECT_EQ(made("fresh", recording.id), made("first", recording.id)) << recording.id;
    }

    // The engine settings of a voice are part of what a clip is made from.
    std::map<std::string, std::string> voices = kVoices;
    voices["Ben"] = "girl";
    ASSERT_TRUE(makeRecordings(sampleBook(), voices, options("recast"), error)) << error;
    EXPECT_NE(made("recast", "p06_03"), made("first", "p06_03"));
    EXPECT_EQ(made("recast", "u1_w01"), made("first", "u1_w01"));
}

TEST_F(RecordingsTest, LearnersHearWordsAndListeningSlowerThanTalk) {
    // The same line at each pace, in a flite and a festival voice.
    std::vector<Recording> paced;
    for (const char* voice : {"narrator", "Miss_Li"}) {
        for (const auto& [name, pace] : {std::pair{"talk", Pace::Talk},
                                         {"listening", Pace::Listening},
                                         {"word", Pace::Word}}) {
            paced.push_back({std::string(voice) + "_" + name,
                             {{voice, "Where is my ruler?"}},
                             ClipFormat::Adpcm,
                             pace});
        }
    }
    std::string error;
    ASSERT_TRUE(makeRecordings(paced, kVoices, options("paced"), error)) << error;
    for (const char* voice : {"narrator", "Miss_Li"}) {
        const auto seconds = [&](const char* name) {
            return secondsOf(root() / "paced" / (std::string(voice) + "_" + name + ".wav"));
        };
        EXPECT_GT(seconds("listening"), seconds("talk") * 1.04) << voice;
        EXPECT_GT(seconds("word"), seconds("listening") * 1.04) << voice;
        EXPECT_LT(seconds("word"), seconds("talk") * 1.4) << voice << ": still natural";
    }
}

TEST_F(RecordingsTest, EveryCharacterHasAVoiceOfItsOwn) {
    // Each speaker says the same line: no two clips may be alike.
    std::vector<Recording> cast;
    for (const auto& [speaker, engine] : kVoices) {
        if (engine != "chinese") {
            cast.push_back({speaker, {{speaker, "Hello, I'm here."}}, ClipFormat::Adpcm});
        }
    }
    std::string error;
    ASSERT_TRUE(makeRecordings(cast, kVoices, options("cast"), error)) << error;
    for (std::size_t a = 0; a < cast.size(); ++a) {
        for (std::size_t b = a + 1; b < cast.size(); ++b) {
            EXPECT_NE(made("cast", cast[a].id), made("cast", cast[b].id))
                << cast[a].id << " and " << cast[b].id << " sound alike";
        }
    }
}

TEST_F(RecordingsTest, TwoMakersSharingOneCacheBothMakeEveryClip) {
    // Two builds may speak the same book into one cache at the same time.
    std::string errors[2];
    bool spoken[2] = {};
    {
        const std::jthread other([&] {
            spoken[1] =
                makeRecordings(sampleBook(), kVoices, options("twin1", "shared-cache"), errors[1]);
            // SDL frees its error text of a thread it did not start only when asked.
            SDL_TLSCleanup();
        });
        spoken[0] =
            makeRecordings(sampleBook(), kVoices, options("twin0", "shared-cache"), errors[0]);
    }
    ASSERT_TRUE(spoken[0]) << errors[0];
    ASSERT_TRUE(spoken[1]) << errors[1];
    for (const Recording& recording : sampleBook()) {
        EXPECT_EQ(made("twin0", recording.id), made("first", recording.id)) << recording.id;
        EXPECT_EQ(made("twin1", recording.id), made("first", recording.id)) << recording.id;
    }
}

TEST_F(RecordingsTest, DroppedInRecordingsReplaceTheirClips) {
    const fs::path drops = root() / "data" / "recordings";
    fs::create_directories(drops);
    // In the clip's format already: used as it is.
    ASSERT_TRUE(runSox({"-R", "-n", "-e", "ms-adpcm", "-c", "2", "-r", "22050",
                        QString::fromStdString((drops / "u1_w01.wav").string()), "synth", "1",
                        "sine", "440"}));
    writeText(drops / "u1_w01.txt", "apple\n");
    // Another format: converted; its text has changed since.
    ASSERT_TRUE(runSox({"-R", "-n", "-r", "44100", "-c", "1", "-b", "16",
                        QString::fromStdString((drops / "p06_03.wav").string()), "synth", "1.5",
                        "sine", "300"}));
    writeText(drops / "p06_03.txt", "Ben: Hello, hello!\nI'm Ben.\nGood night.\n");
    // No text beside it, and one that belongs to nothing.
    ASSERT_TRUE(runSox({"-R", "-n", "-r", "22050", "-c", "1", "-b", "16",
                        QString::fromStdString((drops / "p74_c01.wav").string()), "synth", "1",
                        "sine", "500"}));
    fs::copy_file(drops / "u1_w01.wav", drops / "u1_w99.wav");

    const std::string inFormat = readFile(drops / "u1_w01.wav");
    std::string error;
    ::testing::internal::CaptureStderr();
    const bool ok = makeRecordings(sampleBook(), kVoices, options("dropped"), error);
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    fs::remove_all(drops);
    ASSERT_TRUE(ok) << error;

    EXPECT_EQ(made("dropped", "u1_w01"), inFormat) << "used as it is";
    for (const Recording& recording : sampleBook()) {
        expectFormat(root() / "dropped" / (recording.id + ".wav"), recording.format);
        EXPECT_NE(made("dropped", recording.id), made("first", recording.id)) << recording.id;
    }
    EXPECT_NEAR(secondsOf(root() / "dropped" / "p06_03.wav"), 1.5, 0.05);
    EXPECT_EQ(warnings.find("u1_w01.wav:"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("p06_03.wav was recorded for \"Hello, hello! I'm Ben. Good night.\""),
              std::string::npos)
        << warnings;
    EXPECT_NE(warnings.find("p74_c01.wav: the text it was recorded for is unknown"),
              std::string::npos)
        << warnings;
    EXPECT_NE(warnings.find("u1_w99.wav belongs to no clip"), std::string::npos) << warnings;
}

TEST_F(RecordingsTest, DroppedInRecordingsTheProgramCannotPlayAreConvertedOrRefused) {
    const fs::path sine = root() / "sine-adpcm.wav";
    ASSERT_TRUE(runSox({"-R", "-n", "-e", "ms-adpcm", "-c", "2", "-r", "22050",
                        QString::fromStdString(sine.string()), "synth", "1", "sine", "440"}));
    const fs::path empty = root() / "empty-adpcm.wav";
    ASSERT_TRUE(runSox({"-R", "-n", "-e", "ms-adpcm", "-c", "2", "-r", "22050",
                        QString::fromStdString(empty.string()), "trim", "0", "0"}));
    // The sine as sox writes it, then with the faults of other writers: all
    // in the clip's format as their fmt fields tell.
    const std::vector<Chunk> chunks = chunksOf(readFile(sine));
    ASSERT_EQ(chunks.front().id, "fmt ");
    ASSERT_GE(chunks.front().body.size(), 22u) << "fmt with its coefficients";
    ASSERT_EQ(chunks.back().id, "data");
    const auto withFmt = [&chunks](const std::function<void(std::string&)>& change) {
        std::vector<Chunk> changed = chunks;
        change(changed.front().body);
        return riffOf(changed);
    };
    std::vector<Chunk> dataFirst = chunks;
    std::rotate(dataFirst.begin(), dataFirst.end() - 1, dataFirst.end());

    const struct {
        const char* why;
        std::string bytes;
        const char* refusal; // null: the clip is made from it
    } cases[] = {
        {"good", readFile(sine), nullptr},
        {"data before fmt", riffOf(dataFirst), nullptr},
        {"block align 0", withFmt([](std::string& fmt) { fmt[12] = fmt[13] = '\0'; }), nullptr},
        {"no coefficients", withFmt([](std::string& fmt) {
             fmt.resize(22);
             fmt[16] = '\4';
             fmt[20] = fmt[21] = '\0';
         }),
         nullptr},
        {"no sound", readFile(empty), "converted, cannot be played by the program"},
        {"not a recording", std::string(40, 'x') + "\n", "cannot be converted"},
    };
    const std::vector<Recording> book = {sampleBook()[0]};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const bool good = std::string(c.why) == "good";
        ASSERT_EQ(ProgramDecoder().plays(c.bytes), good) << "the fixture is what it says";
        const std::string name = std::string("drop-") + c.why;
        const AudioOptions drop{root() / name / "data", root() / "cache", root() / name / "out", 2};
        writeText(drop.dataDir / "recordings" / "u1_w01.wav", c.bytes);
        writeText(drop.dataDir / "recordings" / "u1_w01.txt", "apple\n");
        std::string error;
        ::testing::internal::CaptureStderr();
        const bool ok = makeRecordings(book, kVoices, drop, error);
        const std::string warnings = ::testing::internal::GetCapturedStderr();
        if (c.refusal != nullptr) {
            EXPECT_FALSE(ok);
            EXPECT_NE(error.find("recordings/u1_w01.wav"), std::string::npos) << error;
            EXPECT_NE(error.find(c.refusal), std::string::npos) << error;
            EXPECT_FALSE(fs::exists(drop.outDir / "u1_w01.wav"));
            continue;
        }
        ASSERT_TRUE(ok) << error;
        const std::string clip = readFile(drop.outDir / "u1_w01.wav");
        if (good) {
            EXPECT_TRUE(clip == c.bytes) << "kept byte for byte";
            EXPECT_EQ(warnings.find("u1_w01.wav"), std::string::npos) << warnings;
            continue;
        }
        expectFormat(drop.outDir / "u1_w01.wav", ClipFormat::Adpcm);
        EXPECT_TRUE(ProgramDecoder().plays(clip)) << "converted";
        EXPECT_NEAR(secondsOf(drop.outDir / "u1_w01.wav"), 1.0, 0.05) << "the recording itself";
        EXPECT_NE(warnings.find("recordings/u1_w01.wav: the program cannot play it as it is"),
                  std::string::npos)
            << warnings;
    }
}

TEST_F(RecordingsTest, RefusesWhatItCannotMake) {
    const struct {
        const char* why;
        std::vector<Recording> recordings;
        const char* message;
    } cases[] = {
        {"unknown speaker", {{"p02_01", {{"Bob", "Hi."}}, ClipFormat::Adpcm}}, "voice Bob"},
        {"unknown engine voice",
         {{"p02_01", {{"Robot", "Hi."}}, ClipFormat::Adpcm}},
         "engine voice robot"},
        {"id outside the folder", {{"../p02_01", {{"narrator", "Hi."}}, ClipFormat::Adpcm}}, "id"},
        {"same id twice",
         {{"p02_01", {{"narrator", "Hi."}}, ClipFormat::Adpcm},
          {"p02_01", {{"narrator", "Bye."}}, ClipFormat::Adpcm}},
         "p02_01 is made twice"},
        {"nothing to say", {{"p02_01", {{"narrator", " / "}}, ClipFormat::Adpcm}}, "says nothing"},
    };
    std::map<std::string, std::string> voices = kVoices;
    voices["Robot"] = "robot";
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(makeRecordings(c.recordings, voices, options("refused"), error)) << c.why;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.why << ": " << error;
    }
}

TEST(Effects, MakesEveryRoleInItsFormatAndLength) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = dir.path().toStdString();
    const AudioOptions options{root / "data", root / "cache", root / "out", 2};
    std::vector<std::string> roles;
    std::string error;
    ASSERT_TRUE(makeEffects(options, roles, error)) << error;

    const struct {
        const char* role;
        ClipFormat format;
        double shortest;
        double longest; // seconds: the exercises wait 3 s after praise, 4 s after
                        // a retry, 7 s after an instruction
    } expected[] = {
        {"praise1", ClipFormat::Mp3Mono24000, 0.3, 2.5},
        {"praise2", ClipFormat::Mp3Mono24000, 0.3, 2.5},
        {"praise3", ClipFormat::Mp3Mono24000, 0.3, 2.5},
        {"retry1", ClipFormat::Mp3Mono24000, 0.3, 3.5},
        {"retry2", ClipFormat::Mp3Mono24000, 0.3, 3.5},
        {"retry3", ClipFormat::Mp3Mono24000, 0.3, 3.5},
        {"retry4", ClipFormat::Mp3Mono24000, 0.3, 3.5},
        {"practice_instruction", ClipFormat::Mp3Mono24000, 4.0, 6.5},
        {"find_instruction", ClipFormat::Mp3Mono24000, 4.0, 6.5},
        {"completion", ClipFormat::Mp3Mono24000, 3.0, 6.5},
        {"music", ClipFormat::Mp3Stereo16000, 180, 240},
        {"buzz1", ClipFormat::Mp3Stereo16000, 0.2, 1.5},
        {"buzz2", ClipFormat::Mp3Stereo16000, 0.2, 1.5},
        {"letter_click", ClipFormat::Pcm8Mono22050, 0.03, 0.5},
        {"cheer", ClipFormat::Pcm16Stereo22050, 0.5, 2.5},
        {"match_select", ClipFormat::Pcm16Mono44100, 0.05, 0.5},
        {"match_pair", ClipFormat::Pcm8Mono22050, 0.2, 1.5},
        {"match_not_pair", ClipFormat::Pcm16Mono22050, 0.2, 1.5},
        {"match_empty", ClipFormat::Pcm8Mono11025, 0.05, 0.8},
    };
    std::set<std::string> want;
    for (const auto& e : expected) {
        want.insert(e.role);
        const fs::path file = root / "out" / (std::string(e.role) + ".wav");
        expectFormat(file, e.format);
        const double seconds = secondsOf(file);
        EXPECT_GE(seconds, e.shortest) << e.role;
        EXPECT_LE(seconds, e.longest) << e.role;
    }
    EXPECT_EQ(std::set<std::string>(roles.begin(), roles.end()), want);
    EXPECT_EQ(roles.size(), want.size());

    // The music loops as a whole: it lasts whole 16-second tunes, to within
    // a few milliseconds, so the beat goes on across the seam.
    const double tunes = secondsOf(root / "out" / "music.wav") / 16.0;
    EXPECT_NEAR(tunes, std::round(tunes), 0.02 / 16.0);

    // Unchanged: nothing is run again.
    const NoEngines none(root / "empty-path");
    std::vector<std::string> again;
    ASSERT_TRUE(makeEffects({root / "data", root / "cache", root / "again", 2}, again, error))
        << error;
    EXPECT_EQ(again, roles);
    EXPECT_EQ(readFile(root / "again" / "music.wav"), readFile(root / "out" / "music.wav"));
}

} // namespace
