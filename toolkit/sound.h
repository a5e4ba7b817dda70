// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound service every screen talks to. Each PlayClip is a playback of
// its own, mixed with those still playing; StopSound silences them all.

#include "clip.h"

namespace tk {

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual void play(Clip clip, bool loop) = 0;
    virtual void stopAll() = 0;
};

void PlayClip(Clip clip, bool loop = false);
void StopSound();

} // namespace tk
