// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every clip and picture of the built book is whole, in its role's format,
// and decodes.
#include "book_shape.h"
#include "wav.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstring>
#include <set>

namespace {

using namespace book_shape;
using content::Effect;
using content::PictureRole;

struct Format {
    std::uint16_t tag;
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t bits; // 0: not checked
};

constexpr Format kAdpcm{tk::kWavMsAdpcm, 2, 22050, 4};
constexpr Format kSpoken{tk::kWavMp3, 1, 24000, 0};
constexpr Format kMusic{tk::kWavMp3, 2, 16000, 0};

std::uint32_t le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// A RIFF file whose chunks fill it exactly, with fmt, data and, for
// compressed data, fact.
::testing::AssertionResult completeWav(tk::Clip clip, const Format& format) {
    if (clip.empty() || clip.size < 12 || std::memcmp(clip.data, "RIFF", 4) != 0 ||
        std::memcmp(clip.data + 8, "WAVE", 4) != 0) {
        return ::testing::AssertionFailure() << "not a RIFF WAVE file";
    }
    if (le32(clip.data + 4) != clip.size - 8) {
        return ::testing::AssertionFailure()
               << "RIFF size " << le32(clip.data + 4) << " for " << clip.size << " bytes";
    }
    std::set<std::string> chunks;
    std::size_t at = 12;
    while (at + 8 <= clip.size) {
        const std::uint32_t size = le32(clip.data + at + 4);
        chunks.insert(std::string(reinterpret_cast<const char*>(clip.data + at), 4));
        at += 8 + size + (size & 1);
    }
    if (at != clip.size) {
        return ::testing::AssertionFailure() << "chunks end at " << at << " of " << clip.size;
    }
    if (!chunks.contains("fmt ") || !chunks.contains("data") ||
        (format.tag != tk::kWavPcm && !chunks.contains("fact"))) {
        return ::testing::AssertionFailure() << "a fmt, data or fact chunk is missing";
    }
    const auto info = tk::ReadWav(clip);
    if (!info || info->formatTag != format.tag || info->channels != format.channels ||
        info->sampleRate != format.rate ||
        (format.bits != 0 && info->bitsPerSample != format.bits)) {
        return ::testing::AssertionFailure()
               << "format " << (info ? info->formatTag : 0) << ", " << (info ? info->channels : 0)
               << " channels, " << (info ? info->sampleRate : 0) << " Hz, "
               << (info ? info->bitsPerSample : 0) << " bits";
    }
    return ::testing::AssertionSuccess();
}

// Decodes clips with SDL_mixer as the program plays them, on no sound device.
class Mixer {
  public:
    Mixer() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        open_ = SDL_Init(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) == 0;
    }
    ~Mixer() {
        if (open_) {
            Mix_CloseAudio();
        }
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    bool open() const { return open_; }
    ::testing::AssertionResult decodes(tk::Clip clip) const {
        const auto info = tk::ReadWav(clip);
        if (!info) {
            return ::testing::AssertionFailure() << "not a WAV file";
        }
        // SDL_mixer plays MP3 from the data chunk alone.
        const tk::Clip played = info->formatTag == tk::kWavMp3 ? info->data : clip;
        Mix_Chunk* chunk =
            Mix_LoadWAV_RW(SDL_RWFromConstMem(played.data, static_cast<int>(played.size)), 1);
        if (chunk == nullptr) {
            return ::testing::AssertionFailure() << Mix_GetError();
        }
        const bool sound = chunk->alen > 0;
        Mix_FreeChunk(chunk);
        return sound ? ::testing::AssertionSuccess()
                     : ::testing::AssertionFailure() << "no samples";
    }

  private:
    bool open_ = false;
};

using BookMedia = Book;

TEST_F(BookMedia, EveryPageWordAndPage74ClipIsWholeAdpcmAndPlays) {
    Mixer mixer;
    ASSERT_TRUE(mixer.open()) << SDL_GetError();
    std::set<const std::uint8_t*> checked;
    const auto check = [&](tk::Clip clip, const std::string& where) {
        if (!checked.insert(clip.data).second) {
            return;
        }
        EXPECT_TRUE(completeWav(clip, kAdpcm)) << where;
        EXPECT_TRUE(mixer.decodes(clip)) << where;
    };
    for (int page = 0; page < content::kLessonPages; ++page) {
        const auto& clips = content::pageClips(page);
        for (std::size_t k = 0; k < clips.size(); ++k) {
            check(clips[k],
                  "book page " + std::to_string(2 * page + 2) + " clip " + std::to_string(k + 1));
        }
    }
    for (int unit = 1; unit <= 6; ++unit) {
        const auto& clips = content::wordClips(unit);
        for (std::size_t k = 0; k < clips.size(); ++k) {
            check(clips[k], "unit " + std::to_string(unit) + " word clip " + std::to_string(k + 1));
        }
    }
    for (const content::FixedHotspot& hotspot : content::page74Hotspots()) {
        check(hotspot.clip, "page 74 hotspot " + std::to_string(hotspot.number));
    }
    // Items that say the same share one recording; still, some 550 differ.
    EXPECT_GT(checked.size(), 500u);
}

TEST_F(BookMedia, EveryEffectIsInItsRolesFormatAndPlays) {
    struct Role {
        Effect effect;
        Format format;
    };
    const Role roles[] = {
        {Effect::PracticeInstruction, kSpoken},
        {Effect::FindInstruction, kSpoken},
        {Effect::Completion, kSpoken},
        {Effect::Praise1, kSpoken},
        {Effect::Praise2, kSpoken},
        {Effect::Praise3, kSpoken},
        {Effect::Retry1, kSpoken},
        {Effect::Retry2, kSpoken},
        {Effect::Retry3, kSpoken},
        {Effect::Retry4, kSpoken},
        {Effect::Music, kMusic},
        {Effect::Buzz1, kMusic},
        {Effect::Buzz2, kMusic},
        {Effect::LetterClick, {tk::kWavPcm, 1, 22050, 8}},
        {Effect::Cheer, {tk::kWavPcm, 2, 22050, 16}},
        {Effect::MatchSelect, {tk::kWavPcm, 1, 44100, 16}},
        {Effect::MatchPair, {tk::kWavPcm, 1, 22050, 8}},
        {Effect::MatchNotPair, {tk::kWavPcm, 1, 22050, 16}},
        {Effect::MatchEmpty, {tk::kWavPcm, 1, 11025, 8}},
    };
    Mixer mixer;
    ASSERT_TRUE(mixer.open()) << SDL_GetError();
    for (const Role& role : roles) {
        const tk::Clip clip = content::effect(role.effect);
        EXPECT_TRUE(completeWav(clip, role.format)) << "effect " << static_cast<int>(role.effect);
        EXPECT_TRUE(mixer.decodes(clip)) << "effect " << static_cast<int>(role.effect);
    }
}

struct Decoded {
    QByteArray format;
    QSize size;
    int frames = 0;
};

Decoded decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    Decoded decoded;
    decoded.format = reader.format();
    decoded.frames = reader.imageCount();
    const QImage image = reader.read();
    decoded.size = image.isNull() ? QSize() : image.size();
    return decoded;
}

TEST_F(BookMedia, PagePicturesKeepThePageBoxAspect) {
    for (int page = 0; page < content::kBookPages; ++page) {
        const Decoded picture = decode(content::pagePicture(page));
        EXPECT_EQ(picture.format, "jpeg") << "reader page " << page;
        EXPECT_EQ(picture.size.width() * 540, picture.size.height() * 800)
            << "reader page " << page << ": " << picture.size.width() << "x"
            << picture.size.height();
        EXPECT_GE(picture.size.width(), 2124) << "reader page " << page;
    }
}

TEST_F(BookMedia, EveryPictureDecodesAtItsRolesSize) {
    struct Role {
        PictureRole role;
        QByteArray format;
        std::vector<QSize> sizes; // empty: any size of aspect 10:7
    };
    const Role roles[] = {
        {PictureRole::StartBackground, "jpeg", {{803, 605}, {800, 600}}},
        {PictureRole::Cover, "jpeg", {{150, 200}, {152, 216}}},
        {PictureRole::Loading, "gif", {{32, 32}}},
        {PictureRole::ListenIcon, "jpeg", {{40, 40}}},
        {PictureRole::TickMark, "jpeg", {{20, 20}}},
        {PictureRole::CrossMark, "jpeg", {{20, 20}}},
        {PictureRole::DrillBackground, "jpeg", {}},
        {PictureRole::OrderingBackground, "jpeg", {{800, 600}}},
        {PictureRole::MatchingBackground, "jpeg", {{800, 600}}},
        {PictureRole::FindingBackground, "jpeg", {{800, 600}}},
        {PictureRole::TileFace1, "jpeg", {{80, 70}}},
        {PictureRole::TileFace2, "jpeg", {{80, 70}}},
        {PictureRole::Flower, "gif", {{107, 108}}},
    };
    for (const Role& role : roles) {
        SCOPED_TRACE("picture role " + std::to_string(static_cast<int>(role.role)));
        const Decoded picture = decode(content::picture(role.role));
        EXPECT_EQ(picture.format, role.format);
        ASSERT_FALSE(picture.size.isEmpty());
        if (role.sizes.empty()) {
            EXPECT_EQ(picture.size.width() * 7, picture.size.height() * 10);
            EXPECT_GE(picture.size.width(), 800);
        } else {
            EXPECT_NE(std::find(role.sizes.begin(), role.sizes.end(), picture.size),
                      role.sizes.end())
                << picture.size.width() << "x" << picture.size.height();
        }
    }
    EXPECT_GT(decode(content::picture(PictureRole::Loading)).frames, 1);
}

} // namespace
