// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_title.h"

#include "catalogue.h"
#include "draw_panel.h"
#include "reader_links.h"
#include "window.h"

namespace reader {

int nextTitleOffset(int panelWidth, int textWidth, int offset) {
    return (panelWidth - textWidth) - offset < 0 ? offset - 1 : 10;
}

void titleTick(tk::Window& window) {
    auto* panel = qobject_cast<tk::DrawPanel*>(window.unit("画板1").widget());
    if (!panel) {
        return;
    }
    const tk::Text title = content::bookText(content::BookText::ReaderTitle);
    const int width = panel->textWidth(title);
    panel->clear();
    int& offset = display().titleOffset;
    offset = nextTitleOffset(panel->width(), width, offset);
    panel->setWritePosition(offset, 10);
    panel->write(title);
}

} // namespace reader
