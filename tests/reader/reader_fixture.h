#pragma once
// A reader window on the test ground, freshly opened on a fresh program.

#include "app/program_state.h"
#include "catalogue.h"
#include "reader/reader_state.h"
#include "reader/reader_window.h"
#include "support/ground.h"
#include "window.h"

#include <memory>
#include <string>
#include <string_view>

namespace reader_tests {

// A fresh program: nothing shared survives from an earlier test.
inline void freshProgram() {
    content::loadBook();
    app::program() = app::ProgramState{};
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
