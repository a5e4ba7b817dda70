// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word drill's panel: its units and their handlers, added to the window
// that holds it. The holder hands it the drill state and the way out.

#include "drill_state.h"
#include "unit_def.h"

#include <functional>
#include <string>

namespace tk {
class Window;
}

namespace drill {

struct DrillLinks {
    std::function<DrillState&()> state;
    // Back to where the drill was opened from.
    std::function<void(tk::Window&)> leave;
};

// Adds every unit of the panel into container (a picture box of the window)
// and binds their events.
void addDrillPanel(tk::WindowDef& window, const std::string& container, DrillLinks links);

} // namespace drill
