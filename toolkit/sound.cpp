// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound.h"

#include "services.h"

namespace tk {

void PlayClip(Clip clip, bool loop) {
    if (SoundOutput* sound = services().sound) {
        sound->play(clip, loop);
    }
}

void StopSound() {
    if (SoundOutput* sound = services().sound) {
        sound->stopAll();
    }
}

} // namespace tk
