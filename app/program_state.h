#pragma once
// What the program keeps for its whole run, outside any one window.

#include "unit_ref.h"

namespace app {

struct ProgramState {
    bool fullScreen = false;
    int fullScreenPresses = 0;  // its parity decides the mode
    int startLineOffset = 0;    // the start window's scrolling link line
    int titleOffset = 0;        // the reader's scrolling title
    tk::UnitRef loadingPicture; // the start window's 图片框加载
};

ProgramState& program();

} // namespace app
