// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_layout.h"

#include "book_pages.h"
#include "platform.h"
#include "reader_links.h"
#include "window.h"

#include <string_view>

namespace reader {

using tk::operator""_gbk;

namespace {

tk::Rect rectOf(const tk::UnitRef& unit) {
    return {unit.left(), unit.top(), unit.width(), unit.height()};
}

void setRect(tk::UnitRef& unit, const tk::Rect& rect) {
    unit.setGeometry(rect.left, rect.top, rect.width, rect.height);
}

void moveTo(tk::UnitRef& unit, const Point& corner) {
    unit.setGeometry(corner.left, corner.top, unit.width(), unit.height());
}

// Units found by name prefix and kind, as the designs name them.
tk::UnitArray unitsOf(tk::Window& window, std::string_view prefix, tk::Kind kind) {
    return tk::FindUnits(&window, prefix, tk::kindName(kind));
}

} // namespace

Scale layoutScale(int width, int height) {
    return {static_cast<double>(width) / 800, static_cast<double>(height - 60) / 540};
}

int scaled(int value, double factor) {
    return static_cast<int>(value * factor);
}

tk::Rect scaledRect(const tk::Rect& rect, const Scale& scale) {
    return {scaled(rect.left, scale.x), scaled(rect.top, scale.y), scaled(rect.width, scale.x),
            scaled(rect.height, scale.y)};
}

Point scaledCorner(const tk::Rect& rect, const Scale& scale) {
    return {scaled(rect.left, scale.x), scaled(rect.top, scale.y)};
}

Point tickBoxCorner(const tk::Rect& rect, const Scale& scale) {
    const content::Corner corner = content::tickBoxCorner(rect, scale.x, scale.y);
    return {static_cast<int>(corner.left), static_cast<int>(corner.top)};
}

int titlePanelLeft(int toolbarWidth, int panelWidth) {
    return toolbarWidth - panelWidth - 2;
}

void layOutReader(tk::Window& window) {
    const bool fullScreen = display().fullScreen;
    const int width = fullScreen ? tk::ScreenWidth() : 800;
    const int height = fullScreen ? tk::ScreenHeight() : 600;
    tk::UnitRef fullScreenButton = window.unit("超级按钮_全屏");
    const tk::Text caption = fullScreen ? "退出全屏"_gbk : "全屏"_gbk;
    fullScreenButton.setCaption(caption);
    fullScreenButton.setHint(caption);
    if (fullScreen) {
        // The whole screen is the client area: sized so even where no window
        // manager maximises it, and shown without the desktop's frame and
        // panels where one does.
        window.self().setGeometry(0, 0, width, height);
        window.self().setWindowState(3);
        window.setWindowState(window.windowState() | Qt::WindowFullScreen);
    }

    tk::UnitRef pages = window.unit("高级选择夹1");
    pages.setGeometry(pages.left(), pages.top(), width, height);
    const Scale scale = layoutScale(width, height);

    for (tk::UnitRef box : unitsOf(window, "选择框打钩", tk::Kind::CheckBox)) {
        moveTo(box, tickBoxCorner(rectOf(box), scale));
    }
    for (tk::UnitRef picture : unitsOf(window, "图片框", tk::Kind::PicBox)) {
        setRect(picture, scaledRect(rectOf(picture), scale));
    }
    for (tk::UnitRef label : unitsOf(window, "透明标签", tk::Kind::TransLabel)) {
        setRect(label, scaledRect(rectOf(label), scale));
        label.setCaption({});
    }
    for (tk::UnitRef edit : unitsOf(window, "编辑框", tk::Kind::EditBox)) {
        setRect(edit, scaledRect(rectOf(edit), scale));
        edit.setBackgroundColor(tk::Rgb(128, 224, 0));
        tk::Font font;
        font.size = 15;
        edit.setFont(font);
    }
    for (tk::UnitRef picture : unitsOf(window, "图片框底图", tk::Kind::PicBox)) {
        moveTo(picture, {0, 0});
    }
    for (tk::UnitRef button : unitsOf(window, "超级按钮b", tk::Kind::SuperBtn)) {
        moveTo(button, scaledCorner(rectOf(button), scale));
    }
    for (const std::string_view name :
         {"组合框_背单词顺序选择", "组合框_背单词课时选择", "选择框_是否显示中文"}) {
        tk::UnitRef control = window.unit(name);
        moveTo(control, scaledCorner(rectOf(control), scale));
    }
    tk::UnitRef toolbar = window.unit("分组框翻页");
    setRect(toolbar, scaledRect(rectOf(toolbar), scale));
    tk::UnitRef title = window.unit("画板1");
    title.setLeft(titlePanelLeft(toolbar.width(), title.width()));
}

} // namespace reader
