// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page overlays of the exercise modes: one transparent label over each
// lesson page picture that, while enabled, takes every click on its page.

namespace tk {
class Window;
}

namespace exercises {

// Enables or disables all 34 overlays and lays each over its page picture.
void setOverlays(tk::Window& window, bool enabled);

} // namespace exercises
