// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation.h"

#include "catalogue.h"
#include "exercises/answer_boxes.h"
#include "exercises/overlays.h"
#include "lists.h"
#include "page_names.h"
#include "page_pictures.h"
#include "platform.h"
#include "reader_state.h"
#include "sound.h"
#include "window.h"

#include <array>
#include <string_view>

namespace reader {

using tk::operator""_gbk;

namespace {

void enable(tk::Window& window, std::string_view name, bool enabled) {
    window.unit(name).setDisabled(!enabled);
}

void setButtonStates(tk::Window& window, int page) {
    for (const std::string_view name : {"超级按钮_排序", "超级按钮_找一找", "超级按钮_练一练",
                                        "超级按钮_填一填", "超级按钮_中文提示"}) {
        enable(window, name, page < kWordListPage);
    }
    enable(window, "超级按钮_下一页", page < kLastBookPage);
    enable(window, "超级按钮_上一页", page != 0);
}

void hideAnswerMarks(tk::Window& window) {
    exercises::hideAnswerMarks(window, state().marks);
}

// What every page move does before it moves: silence, no marks, no
// exercise mode, no lists.
void leavePage(tk::Window& window) {
    tk::StopSound();
    hideAnswerMarks(window);
    exercises::setOverlays(window, false);
    state().emptyLists();
    for (const std::string_view name :
         {"超级按钮_找一找", "超级按钮_练一练", "超级按钮_填一填", "超级按钮_排序"}) {
        enable(window, name, true);
    }
}

void showPage(tk::Window& window, int page) {
    window.unit("高级选择夹1").setCurrentPage(page);
}

} // namespace

int coursePage(int itemData) {
    static constexpr std::array<int, 9> kCoursePages = {0,  5,  10, 15,           17,
                                                        22, 27, 32, kWordListPage};
    return itemData >= 1 && itemData <= 9 ? kCoursePages[static_cast<std::size_t>(itemData - 1)]
                                          : -1;
}

void loadPageLists(int page) {
    ReaderState& s = state();
    dealLines(content::pageTextList(page), s.english, s.chinese);
    s.clips = content::pageClips(page);
}

void loadPage(tk::Window& window, int page) {
    window.unit("标签_显示翻译").setVisible(false);
    ReaderState& s = state();
    if (page >= 0 && page < kLessonPages) {
        loadPageLists(page);
    }
    s.exerciseClips = s.clips;
    setButtonStates(window, page);
    showPagePicture(window, page);
}

void nextPage(tk::Window& window) {
    leavePage(window);
    ReaderState& s = state();
    if (s.pageIndex == kLastBookPage) {
        tk::ShowMessage("已经最后一页了！"_gbk);
        return;
    }
    ++s.pageIndex;
    showPage(window, s.pageIndex);
}

void previousPage(tk::Window& window) {
    leavePage(window);
    ReaderState& s = state();
    if (s.pageIndex == 0) {
        tk::ShowMessage("已经第一页了！"_gbk);
        return;
    }
    --s.pageIndex;
    showPage(window, s.pageIndex);
}

void courseChosen(tk::Window& window) {
    hideAnswerMarks(window);
    exercises::setOverlays(window, false);
    state().emptyLists();
    for (const std::string_view name : {"超级按钮_找一找", "超级按钮_练一练", "超级按钮_填一填"}) {
        enable(window, name, true);
    }
    const tk::UnitRef courses = window.unit("组合框课程选择");
    const int page = coursePage(tk::ItemData(courses, courses.currentIndex()));
    if (page < 0) {
        return;
    }
    state().pageIndex = page;
    tk::UnitRef pages = window.unit("高级选择夹1");
    if (pages.currentPage() == page) {
        // No page-changed event follows: the lists must not stay empty.
        loadPage(window, page);
        return;
    }
    pages.setCurrentPage(page);
}

void openDrill(tk::Window& window) {
    tk::StopSound();
    exercises::setOverlays(window, false);
    state().emptyLists();
    showPage(window, kDrillPage);
}

void leaveDrill(tk::Window& window) {
    showPage(window, state().pageIndex);
}

} // namespace reader
