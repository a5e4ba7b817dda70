// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hotspot playback: a press plays the hotspot's clip and shows its Chinese
// line in the translation label beside it.

#include "clip.h"
#include "text.h"
#include "unit_ref.h"

namespace tk {
class Window;
}

namespace reader {

// Plays clip and shows text beside the hotspot, unless the text is the
// placeholder "$" or the translation is off.
void playHotspot(tk::Window& window, const tk::UnitRef& hotspot, tk::Clip clip,
                 const tk::Text& text);
// Hotspot k of the lesson page shown: clip k and Chinese line k of its lists.
void playLessonHotspot(tk::Window& window, const tk::UnitRef& hotspot, int k);
// The translation button was clicked; its pressed state has flipped.
void translationSwitched(tk::Window& window);
// The translation label was pressed: the child drags it out of the way.
void labelPressed(const tk::UnitRef& label);

} // namespace reader
