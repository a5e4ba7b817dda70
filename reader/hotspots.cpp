// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hotspots.h"

#include "label_placement.h"
#include "platform.h"
#include "reader_links.h"
#include "reader_state.h"
#include "sound.h"
#include "window.h"

namespace reader {

using tk::operator""_gbk;

void playHotspot(tk::Window& window, const tk::UnitRef& hotspot, tk::Clip clip,
                 const tk::Text& text) {
    tk::StopSound();
    int areaWidth = 800;
    int areaHeight = 600;
    if (display().fullScreen) {
        areaWidth = tk::ScreenWidth();
        areaHeight = tk::ScreenHeight();
        window.self().setWindowState(3);
    }
    tk::PlayClip(clip);
    tk::UnitRef label = tk::FindUnitByTag(&window, 1);
    const LabelGeometry placed =
        placeLabel(text, hotspot.left(), hotspot.top(), areaWidth, areaHeight);
    label.setGeometry(placed.left, placed.top, placed.width, placed.height);
    label.setAlignment(placed.alignment);
    label.setFontSize(kLabelFontSize);
    label.setCaption(text);
    if (text == "$") {
        label.setVisible(false);
        return;
    }
    label.setVisible(state().translation);
}

void playLessonHotspot(tk::Window& window, const tk::UnitRef& hotspot, int k) {
    const ReaderState& s = state();
    const auto item = static_cast<std::size_t>(k - 1);
    const tk::Clip clip = item < s.clips.size() ? s.clips[item] : tk::Clip();
    const tk::Text text = item < s.chinese.size() ? s.chinese[item] : tk::Text();
    playHotspot(window, hotspot, clip, text);
}

void translationSwitched(tk::Window& window) {
    tk::UnitRef button = window.unit("超级按钮_中文提示");
    const bool on = !button.pressed();
    const tk::Text caption = on ? "中文翻译关"_gbk : "中文翻译开"_gbk;
    button.setCaption(caption);
    button.setHint(caption);
    state().translation = on;
}

void labelPressed(const tk::UnitRef& label) {
    tk::BeginMoveDrag(label);
}

} // namespace reader
