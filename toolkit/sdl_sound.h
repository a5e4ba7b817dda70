// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real sound output: SDL2_mixer on the default sound device, opened once
// and kept open. Without a device it runs silently on SDL's dummy driver.

#include "sound.h"

#include <map>
#include <memory>
#include <utility>

struct Mix_Chunk;

namespace tk {

// The book's speech is all 22,050 Hz: mixing at its rate spares every clip a
// resampling pass when it is decoded.
constexpr int kOutputRate = 22050;

class SdlSoundOutput final : public SoundOutput {
  public:
    SdlSoundOutput();
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;

    void play(Clip clip, bool loop) override;
    void stopAll() override;

  private:
    Mix_Chunk* chunkFor(Clip clip);

    bool open_ = false;
    // Unplayable clips are kept as null so they are not decoded again.
    std::map<std::pair<const void*, std::size_t>, Mix_Chunk*> chunks_;
};

std::unique_ptr<SoundOutput> makeSoundOutput();

// Decodes a WAV clip into the open mixer's format; null when it cannot be
// played. The caller frees the chunk with Mix_FreeChunk.
Mix_Chunk* DecodeClip(Clip clip);

} // namespace tk
