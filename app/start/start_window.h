#pragma once
// The start window: the book's cover, the help texts, the scrolling link
// line and the button that opens the reader.

#include "unit_def.h"

namespace app {

tk::WindowDef startWindow();

// Opens the start window, modal, and returns the program's exit code once
// the child has closed it.
int runStartWindow();

} // namespace app
