// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real clock, sound output and desktop, installed for as long as this
// object lives; the services in place before come back afterwards.

#include "desktop_platform.h"
#include "real_clock.h"
#include "sdl_sound.h"
#include "services.h"

namespace app {

class DesktopServices {
  public:
    DesktopServices();
    ~DesktopServices();
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

  private:
    tk::Services saved_;
    tk::RealClock clock_;
    tk::SdlSoundOutput sound_;
    tk::DesktopPlatform platform_;
};

} // namespace app
