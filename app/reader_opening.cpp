#include "reader_opening.h"

#include "platform.h"
#include "program_state.h"
#include "reader/navigation.h"
#include "reader/page_pictures.h"
#include "reader/reader_state.h"
#include "reader_layout.h"
#include "window.h"
#include "window_flow.h"

namespace app {

void readerCreated(tk::Window& window) {
    reader::ReaderState& s = reader::state();
    s.window = window.self();
    s.picturePage = -1;
    s.pageIndex = 0;
    window.unit("超级按钮_上一页").setDisabled(true);
    s.translation = true;
    const int shown = window.unit("高级选择夹1").currentPage();
    if (shown == 0) {
        reader::loadPageLists(0);
        s.exerciseClips = s.clips;
    }
    program().loadingPicture.setVisible(false);
    layOutReader(window);
    reader::showPagePicture(window, shown);
    // Nothing decoded ahead may outlive the reader: the application itself
    // may be the next to go.
    QObject::connect(&window, &QObject::destroyed, [] { reader::pagePictures().settle(); });
}

void fullScreenClicked() {
    ProgramState& p = program();
    ++p.fullScreenPresses;
    p.loadingPicture.setVisible(true);
    p.fullScreen = p.fullScreenPresses % 2 != 0;
    reopenReader();
}

void exitClicked() {
    tk::EndProgram(0);
}

} // namespace app
