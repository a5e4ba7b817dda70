// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_services.h"

namespace app {

DesktopServices::DesktopServices() : saved_(tk::services()) {
    tk::services() = tk::Services{&clock_, &sound_, &platform_};
}

DesktopServices::~DesktopServices() {
    tk::services() = saved_;
}

} // namespace app
