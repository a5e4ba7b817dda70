// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page changes: the page buttons, the course list and the word-drill button,
// and the loading of a page's lists when it is shown.

namespace tk {
class Window;
}

namespace reader {

// The page a course-list item (by its item data 1-9) jumps to; -1 for any
// other value.
int coursePage(int itemData);

// Deals the lesson page's text list into the English and Chinese lists and
// copies its clip list into the clip and exercise clip lists.
void loadPageLists(int page);

// The page control shows a new page.
void loadPage(tk::Window& window, int page);
void nextPage(tk::Window& window);
void previousPage(tk::Window& window);
void courseChosen(tk::Window& window);
void openDrill(tk::Window& window);
// Back from the drill to the book page last moved to.
void leaveDrill(tk::Window& window);

} // namespace reader
