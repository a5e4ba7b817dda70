// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window definition: the table of its units with their initial properties
// and the handlers bound to their events. Names and texts in a definition are
// written in UTF-8; captions become GBK texts when the window is created.

#include "rect.h"
#include "text.h"

#include <QByteArray>
#include <functional>
#include <string>
#include <vector>

namespace tk {

enum class Kind {
    Window,
    Label,
    TransLabel,
    SuperBtn,
    Button,
    PicBox,
    EditBox,
    CheckBox,
    ComboBox,
    ProcessBar,
    Timer,
    PageControl,
    DrawPanel,
    GroupBox,
    RichEdit,
};

// The kind's name, as FindUnits selects by it ("选择框" for CheckBox). Unit
// and kind names are identifiers, kept in UTF-8; texts shown are GBK.
std::string kindName(Kind kind);

// Seven fields: five style fields the screens leave at 0, the size in points
// and the face name.
struct Font {
    int style[5] = {0, 0, 0, 0, 0};
    int size = 9;
    std::string face = "宋体"; // UTF-8
    friend bool operator==(const Font&, const Font&) = default;
};

struct ComboItem {
    std::string text; // UTF-8
    int data = 0;
};

enum class Cursor { Arrow, Hand };

enum class Event {
    Created,
    Clicked,
    SelectionChanged,
    ContentChanged,
    Tick,
    PageChanged,
    LeftPressed,
    KeyPressed,
    MouseMoved,
    Closed, // the window: once, when it closes, before its units go
};

struct EventArgs {
    int x = 0;
    int y = 0;
    int keys = 0;
    int key = 0;
};

using Handler = std::function<void(const EventArgs&)>;

constexpr int kNoColour = -1;

struct UnitDef {
    std::string name; // UTF-8
    Kind kind = Kind::Label;
    std::string container; // "" for the window itself
    int page = 0;          // page of a PageControl container
    Rect rect;
    std::string caption; // UTF-8; caption, text or help text by kind
    std::string hint;
    std::string tag;
    bool visible = true;
    bool disabled = false;
    Font font;
    int textColor = kNoColour;
    int backgroundColor = kNoColour;
    int alignment = 0;
    int interval = 0;       // Timer
    bool twoState = false;  // SuperBtn
    bool multiLine = false; // EditBox: lines with a vertical scroll bar
    bool checked = false;   // CheckBox: ticked at start
    int minimum = 0;        // ProcessBar
    int maximum = 100;      // ProcessBar
    int position = 0;       // ProcessBar
    QByteArray picture;     // PicBox, SuperBtn face, DrawPanel background
    std::vector<ComboItem> items;
    int currentIndex = -1;          // ComboBox
    std::vector<std::string> pages; // PageControl page names
    Cursor cursor = Cursor::Arrow;
};

struct Binding {
    std::string unit; // UTF-8 name; "" for the window
    Event event = Event::Clicked;
    Handler handler;
};

// A table row: the unit's name, kind, rectangle and container (a page of a
// PageControl container is given by its index).
inline UnitDef unitDef(std::string name, Kind kind, Rect rect, std::string container = {},
                       int page = 0) {
    UnitDef def;
    def.name = std::move(name);
    def.kind = kind;
    def.rect = rect;
    def.container = std::move(container);
    def.page = page;
    return def;
}

struct WindowDef {
    std::string name;
    std::string caption;
    int width = 800;
    int height = 600;
    int left = -1; // -1: centred on the screen
    int top = -1;
    bool titleBar = true; // false: the client area alone, no frame
    QByteArray background;
    std::vector<UnitDef> units;
    std::vector<Binding> bindings;
};

} // namespace tk
