// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "overlays.h"

#include "window.h"

namespace exercises {

namespace {

constexpr const char* kOverlayPrefix = "透明标签练一练是否错误";

} // namespace

void setOverlays(tk::Window& window, bool enabled) {
    const tk::UnitRef page = window.unit("图片框底图2");
    for (tk::UnitRef overlay : tk::FindUnits(&window, kOverlayPrefix)) {
        overlay.setDisabled(!enabled);
        // Over the whole page picture, so a press comes in its coordinates.
        overlay.setGeometry(0, 0, page.width(), page.height());
    }
}

} // namespace exercises
