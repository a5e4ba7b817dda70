// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reader window on the test ground, freshly opened on a fresh program.

#include "catalogue.h"
#include "reader/reader_links.h"
#include "reader/reader_state.h"
#include "reader/reader_window.h"
#include "support/ground.h"
#include "window.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace reader_tests {

// What the reader's opener keeps and sees.
struct Opener {
    reader::DisplayMode display;
    drill::DrillState drill;
    bool loadingShown = false;
    int reopens = 0;
    // The game windows asked for, in order, and what each was handed.
    struct GameOpened {
        std::string game;
        common::PageLists lists;    // the page games
        tk::Window* over = nullptr; // the word games' parent
    };
    std::vector<GameOpened> games;
};

inline Opener& opener() {
    static Opener instance;
    return instance;
}

// A fresh program: nothing shared survives from an earlier test.
inline void freshProgram() {
    content::loadBook();
    opener() = Opener{};
    const auto pageGame = [](const char* game) {
        return [game](const common::PageLists& lists) {
            opener().games.push_back({game, lists, nullptr});
        };
    };
    const auto wordGame = [](const char* game) {
        return [game](tk::Window& reader) { opener().games.push_back({game, {}, &reader}); };
    };
    reader::setLinks(
        {&opener().display,
         [](bool shown) { opener().loadingShown = shown; },
         [] { ++opener().reopens; },
         &opener().drill,
         {pageGame("fill-in"), pageGame("ordering"), wordGame("spelling"), wordGame("matching"),
          wordGame("chinese to english"), wordGame("english to chinese")}});
    reader::state() = reader::ReaderState{};
}

class ReaderTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override {
        freshProgram();
        window = tk::CreateWindow(reader::readerWindow());
    }

    tk::UnitRef unit(std::string_view name) const { return window->unit(name); }
    int currentPage() const { return unit("高级选择夹1").currentPage(); }
    void clickUnit(std::string_view name) const { testing_ground::click(unit(name)); }
    // A press on a hotspot, as the child makes it.
    void pressHotspot(const tk::UnitRef& hotspot) const {
        testing_ground::press(hotspot);
        testing_ground::release(hotspot);
    }
    tk::UnitRef label() const { return unit("标签_显示翻译"); }

    std::unique_ptr<tk::Window> window;
};

} // namespace reader_tests
