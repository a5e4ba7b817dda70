// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "services.h"

namespace tk {

Services& services() {
    static Services instance;
    return instance;
}

} // namespace tk
