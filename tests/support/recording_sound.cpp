// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_sound.h"

namespace testing_ground {

void RecordingSound::play(tk::Clip clip, bool loop) {
    if (clip.empty()) {
        return;
    }
    calls_.push_back({Call::What::Play, clip, loop});
    playing_.push_back(calls_.back());
}

void RecordingSound::stopAll() {
    calls_.push_back({Call::What::Stop, {}, false});
    playing_.clear();
}

std::vector<tk::Clip> RecordingSound::played() const {
    std::vector<tk::Clip> clips;
    for (const Call& call : calls_) {
        if (call.what == Call::What::Play) {
            clips.push_back(call.clip);
        }
    }
    return clips;
}

tk::Clip RecordingSound::lastPlayed() const {
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it) {
        if (it->what == Call::What::Play) {
            return it->clip;
        }
    }
    return {};
}

int RecordingSound::stops() const {
    int count = 0;
    for (const Call& call : calls_) {
        count += call.what == Call::What::Stop ? 1 : 0;
    }
    return count;
}

void RecordingSound::forget() {
    calls_.clear();
    playing_.clear();
}

} // namespace testing_ground
