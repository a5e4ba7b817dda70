// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_line.h"

#include "catalogue.h"
#include "draw_panel.h"
#include "platform.h"
#include "qtext.h"
#include "services.h"
#include "start_links.h"
#include "window.h"

namespace start {

namespace {

constexpr int kTextTop = 4;

// Whole-pixel steps meet the ends exactly when the text is wider than the
// panel; the inequalities keep a narrower text from running off for good.
bool reachedEnd(int offset, int panelWidth, int textWidth, LinkDirection direction) {
    return direction == LinkDirection::Left ? offset <= panelWidth - textWidth
                                            : offset >= kLinkLineLeftStop;
}

void tickLinkLine(LinkDirection direction) {
    tk::Window* window = tk::EventUnit().window();
    if (window == nullptr) {
        return;
    }
    const tk::UnitRef panelUnit = window->unit("画板1");
    auto* panel = qobject_cast<tk::DrawPanel*>(panelUnit.widget());
    if (panel == nullptr) {
        return;
    }
    const tk::Text text = linkLineText();
    const int width = panel->textWidth(text);
    panel->clear();
    int& offset = lineOffset();
    const LinkStep step = stepLinkLine(offset, panelUnit.width(), width, direction);
    offset = step.offset;
    panel->setWritePosition(step.offset, kTextTop);
    panel->write(text);
    if (step.direction != direction) {
        const bool left = step.direction == LinkDirection::Left;
        window->unit("时钟_右移").setInterval(left ? 0 : kLinkLineTickMs);
        window->unit("时钟_左移").setInterval(left ? kLinkLineTickMs : 0);
    }
}

} // namespace

LinkStep stepLinkLine(int offset, int panelWidth, int textWidth, LinkDirection direction) {
    const int moved = direction == LinkDirection::Left ? offset - 1 : offset + 1;
    if (!reachedEnd(moved, panelWidth, textWidth, direction)) {
        return {moved, direction};
    }
    return {moved, direction == LinkDirection::Left ? LinkDirection::Right : LinkDirection::Left};
}

tk::Text linkLineText() {
    return content::bookText(content::BookText::LinkText) + linkAddress();
}

tk::Text linkAddress() {
    return content::bookText(content::BookText::LinkUrl);
}

void tickLinkLineLeft() {
    tickLinkLine(LinkDirection::Left);
}

void tickLinkLineRight() {
    tickLinkLine(LinkDirection::Right);
}

void openLinkAddress() {
    if (tk::Platform* platform = tk::services().platform) {
        platform->openUrl(tk::toQString(linkAddress()));
    }
}

} // namespace start
