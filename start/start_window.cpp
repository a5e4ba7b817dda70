// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_window.h"

#include "catalogue.h"
#include "link_line.h"
#include "start_links.h"
#include "window.h"

namespace start {

namespace {

using tk::Kind;

// The loading picture of the open start window.
tk::UnitRef& loadingPicture() {
    static tk::UnitRef loading;
    return loading;
}

constexpr int kLinkTextColour = tk::Rgb(0, 70, 200);
// The colour of the background picture behind the link line.
constexpr int kLinkBackground = tk::Rgb(222, 241, 255);
constexpr int kHeadingColour = tk::Rgb(30, 90, 160);
// The colour of the background picture behind the title.
constexpr int kTitleBackground = tk::Rgb(218, 240, 254);

std::string utf8(content::BookText which) {
    return tk::toUtf8(content::bookText(which));
}

tk::UnitDef timer(std::string name, int interval) {
    tk::UnitDef def = tk::unitDef(std::move(name), Kind::Timer, {});
    def.interval = interval;
    return def;
}

tk::UnitDef picture(tk::UnitDef def, content::PictureRole role) {
    def.picture = content::picture(role);
    return def;
}

tk::UnitDef hidden(tk::UnitDef def) {
    def.visible = false;
    return def;
}

// Placed and shown by the created handler.
tk::UnitDef startButton(tk::UnitDef def) {
    def.picture = content::buttonFace("start_learning");
    // The face carries its own lettering.
    def.caption = def.picture.isEmpty() ? "开始学习" : "";
    def.hint = "开始学习";
    def.font.size = 12;
    return hidden(def);
}

tk::UnitDef linkPanel(tk::UnitDef def) {
    def.font.size = 16;
    def.textColor = kLinkTextColour;
    def.backgroundColor = kLinkBackground;
    def.cursor = tk::Cursor::Hand;
    return def;
}

tk::UnitDef title(tk::UnitDef def, content::BookText text) {
    def.caption = utf8(text);
    def.font.size = 16;
    def.textColor = kHeadingColour;
    def.backgroundColor = kTitleBackground;
    return def;
}

tk::UnitDef heading(tk::UnitDef def, std::string caption) {
    def.caption = std::move(caption);
    def.font.size = 16;
    def.textColor = kHeadingColour;
    return def;
}

// Its character format is set by the created handler.
tk::UnitDef helpText(tk::UnitDef def, content::BookText text) {
    def.caption = utf8(text);
    return def;
}

void created() {
    tk::Window* window = tk::EventUnit().window();
    for (const char* help : {"超级编辑框软件说明", "超级编辑框常见问题"}) {
        window->unit(help).setDefaultCharFormat("宋体", 10, tk::Rgb(0, 128, 0));
    }
    tk::UnitRef button = window->unit("超级按钮_开始学习");
    button.setGeometry(200, 200, 100, 40);
    button.setVisible(true);
    loadingPicture() = window->unit("图片框加载");
}

void startLearning() {
    showLoading(true);
    // Painted now: the reader is built before the loop runs again.
    if (QWidget* widget = loadingPicture().widget()) {
        widget->repaint();
    }
    if (links().openReader) {
        links().openReader();
    }
}

} // namespace

tk::WindowDef startWindow() {
    tk::WindowDef window;
    window.name = "启动窗口";
    window.caption = utf8(content::BookText::StartTitle);
    window.background = content::picture(content::PictureRole::StartBackground);
    using content::BookText;
    using content::PictureRole;
    window.units = {
        tk::unitDef("分组框1", Kind::GroupBox, {8, 12, 368, 272}),
        picture(tk::unitDef("图片框封皮", Kind::PicBox, {16, 28, 152, 216}), PictureRole::Cover),
        startButton(tk::unitDef("超级按钮_开始学习", Kind::SuperBtn, {200, 200, 100, 40})),
        linkPanel(tk::unitDef("画板1", Kind::DrawPanel, {11, 252, 360, 28})),
        hidden(picture(tk::unitDef("图片框加载", Kind::PicBox, {376, 272, 40, 40}),
                       PictureRole::Loading)),
        title(tk::unitDef("标签3", Kind::Label, {408, 16, 360, 48}), BookText::StartTitle),
        heading(tk::unitDef("透明标签_年级1", Kind::TransLabel, {540, 77, 100, 33}), "软件说明"),
        helpText(tk::unitDef("超级编辑框软件说明", Kind::RichEdit, {424, 116, 344, 158}),
                 BookText::HelpAbout),
        heading(tk::unitDef("透明标签_问题", Kind::TransLabel, {548, 296, 112, 33}), "常见问题"),
        helpText(tk::unitDef("超级编辑框常见问题", Kind::RichEdit, {424, 337, 344, 215}),
                 BookText::HelpFaq),
        timer("时钟_左移", kLinkLineTickMs),
        timer("时钟_右移", 0),
    };
    window.bindings = {
        {"", tk::Event::Created, [](const tk::EventArgs&) { created(); }},
        {"超级按钮_开始学习", tk::Event::Clicked, [](const tk::EventArgs&) { startLearning(); }},
        {"画板1", tk::Event::LeftPressed, [](const tk::EventArgs&) { openLinkAddress(); }},
        {"时钟_左移", tk::Event::Tick, [](const tk::EventArgs&) { tickLinkLineLeft(); }},
        {"时钟_右移", tk::Event::Tick, [](const tk::EventArgs&) { tickLinkLineRight(); }},
    };
    return window;
}

void showLoading(bool shown) {
    loadingPicture().setVisible(shown);
}

} // namespace start
