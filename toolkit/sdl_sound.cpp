// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sdl_sound.h"

#include "wav.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <climits>
#include <cstdio>
#include <string>

namespace tk {

namespace {

constexpr int kChannels = 2;
// About 6 ms: a click's sound is in the mix within one period, 3 ms on
// average; mixing a period of a few clips takes microseconds, so even a busy
// machine keeps up.
constexpr int kBufferFrames = 128;

bool openDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, kChannels, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

} // namespace

SdlSoundOutput::SdlSoundOutput() {
    // SDL would otherwise take over SIGINT and SIGTERM from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    open_ = openDevice();
    if (!open_) {
        const std::string reason = SDL_GetError();
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        open_ = openDevice();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        std::fprintf(stderr, "sound: no sound device (%s), running silently\n", reason.c_str());
    }
}

SdlSoundOutput::~SdlSoundOutput() {
    if (!open_) {
        return;
    }
    Mix_HaltChannel(-1);
    for (const auto& [key, chunk] : chunks_) {
        if (chunk != nullptr) {
            Mix_FreeChunk(chunk);
        }
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundOutput::play(Clip clip, bool loop) {
    if (!open_ || clip.empty()) {
        return;
    }
    Mix_Chunk* chunk = chunkFor(clip);
    if (chunk == nullptr) {
        return;
    }
    const int loops = loop ? -1 : 0;
    if (Mix_PlayChannel(-1, chunk, loops) >= 0) {
        return;
    }
    // Every channel was busy: add more rather than drop the clip. One may
    // also have come free meanwhile, so try again either way.
    const int channels = Mix_AllocateChannels(-1);
    if (Mix_Playing(-1) >= channels) {
        Mix_AllocateChannels(channels * 2);
    }
    Mix_PlayChannel(-1, chunk, loops);
}

void SdlSoundOutput::stopAll() {
    if (open_) {
        Mix_HaltChannel(-1);
    }
}

Mix_Chunk* SdlSoundOutput::chunkFor(Clip clip) {
    const auto key = std::make_pair(static_cast<const void*>(clip.data), clip.size);
    const auto found = chunks_.find(key);
    if (found != chunks_.end()) {
        return found->second;
    }
    Mix_Chunk* chunk = DecodeClip(clip);
    chunks_.emplace(key, chunk);
    return chunk;
}

Mix_Chunk* DecodeClip(Clip clip) {
    const std::optional<WavInfo> wav = ReadWav(clip);
    if (!wav || wav->data.empty()) {
        return nullptr;
    }
    // SDL's WAV loader refuses MPEG data, but its MP3 decoder takes the bare frames.
    const Clip source = wav->formatTag == kWavMp3 ? wav->data : clip;
    if (source.size > INT_MAX) {
        return nullptr;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(source.data, static_cast<int>(source.size));
    if (stream == nullptr) {
        return nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(stream, 1);
    if (chunk != nullptr && chunk->alen == 0) {
        Mix_FreeChunk(chunk);
        return nullptr;
    }
    return chunk;
}

std::unique_ptr<SoundOutput> makeSoundOutput() {
    return std::make_unique<SdlSoundOutput>();
}

} // namespace tk
