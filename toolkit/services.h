// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place the services live. The program installs the real ones at
// start; tests install their own.

namespace tk {

class Clock;
class SoundOutput;
class Platform;

struct Services {
    Clock* clock = nullptr;
    SoundOutput* sound = nullptr;
    Platform* platform = nullptr;
};

Services& services();

} // namespace tk
