#include "window_flow.h"

#include "reader/reader_state.h"
#include "reader/reader_window.h"
#include "window.h"

namespace app {

namespace {

bool reopenAsked = false;

} // namespace

void openReader() {
    do {
        reopenAsked = false;
        tk::LoadWindow(reader::readerWindow());
    } while (reopenAsked);
}

void reopenReader() {
    reopenAsked = true;
    tk::UnloadWindow(reader::state().window.window());
}

} // namespace app
