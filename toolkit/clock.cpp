// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include "services.h"

namespace tk {

void Delay(int ms) {
    if (Clock* clock = services().clock) {
        clock->delay(ms < 0 ? 0 : ms);
    }
}

std::int64_t TickCount() {
    Clock* clock = services().clock;
    return clock ? clock->nowMs() : 0;
}

} // namespace tk
