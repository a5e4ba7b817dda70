// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader on a lesson page, with what the exercise tests ask of it: where
// a hotspot lies, which item the last clip asked, and the feedback clips.

#include "catalogue.h"
#include "lists.h"
#include "reader/page_names.h"
#include "reader_fixture.h"

#include <QPoint>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace reader_tests {

class ExerciseTest : public ReaderTest {
  protected:
    void openBookPage(int bookPage) {
        const int page = content::readerPageOf(bookPage);
        while (currentPage() < page) {
            clickUnit("超级按钮_下一页");
        }
        while (currentPage() > page) {
            clickUnit("超级按钮_上一页");
        }
    }
    int bookPage() const { return reader::bookPageOf(currentPage()); }
    tk::UnitRef hotspot(int k) const { return unit(reader::hotspotName(bookPage(), k)); }
    tk::UnitRef overlay() const { return unit(reader::overlayName(bookPage())); }
    tk::UnitRef pagePicture() const { return unit(reader::pagePictureName(currentPage())); }

    // A point of the page picture as a point of the window.
    QPoint onPage(int x, int y) const {
        return pagePicture().widget()->mapTo(window.get(), QPoint(x, y));
    }
    // A click on the page as the child makes it: to whatever lies there.
    void clickPage(int x, int y) const { testing_ground::clickAt(*window, onPage(x, y)); }
    void clickHotspot(int k) const {
        const tk::UnitRef spot = hotspot(k);
        clickPage(spot.left() + spot.width() / 2, spot.top() + spot.height() / 2);
    }
    // A point inside no hotspot's rectangle or the band above it.
    QPoint offEveryHotspot() const {
        for (int y = 530; y > 0; --y) { // the toolbar covers the page's last rows
            for (int x = 799; x > 0; x -= 7) {
                if (!nearAnyHotspot(x, y)) {
                    return {x, y};
                }
            }
        }
        return {};
    }

    // The hotspot lowest on the page: far from find mode's question.
    int lowestHotspot() const {
        int lowest = 1;
        for (int k = 1; k <= static_cast<int>(content::pageHotspots(currentPage()).size()); ++k) {
            if (hotspot(k).top() > hotspot(lowest).top()) {
                lowest = k;
            }
        }
        return lowest;
    }
    // Presses it through the window and says whether it played its own clip.
    bool lowestHotspotReads() {
        const int k = lowestHotspot();
        ground.sound.forget();
        clickHotspot(k);
        return ground.sound.played() == std::vector<tk::Clip>{content::pageClips(
                                            currentPage())[static_cast<std::size_t>(k - 1)]};
    }
    // Remaining items of the mode that have text.
    static long remainingWithText() {
        const tk::TextArray& lines = reader::state().exercise.lines;
        return std::count_if(lines.begin(), lines.end(),
                             [](const tk::Text& line) { return line != "$"; });
    }

    tk::TextArray chineseLines() const {
        return dealLines(content::pageTextList(currentPage())).chinese;
    }
    // The items (1-based) whose clip is the one played last.
    std::vector<int> itemsOfLastClip() const {
        const tk::ClipList& clips = content::pageClips(currentPage());
        std::vector<int> items;
        for (std::size_t k = 0; k < clips.size(); ++k) {
            if (clips[k] == ground.sound.lastPlayed()) {
                items.push_back(static_cast<int>(k) + 1);
            }
        }
        return items;
    }

    static std::vector<tk::Clip> clipsOf(std::initializer_list<content::Effect> effects) {
        std::vector<tk::Clip> clips;
        for (const content::Effect effect : effects) {
            clips.push_back(content::effect(effect));
        }
        return clips;
    }
    static std::vector<tk::Clip> praiseClips() {
        using content::Effect;
        return clipsOf({Effect::Praise1, Effect::Praise2, Effect::Praise3});
    }
    static std::vector<tk::Clip> retryClips() {
        using content::Effect;
        return clipsOf({Effect::Retry1, Effect::Retry2, Effect::Retry3, Effect::Retry4});
    }
    // Clips played since the sound was last forgotten, in order.
    bool played(const std::vector<tk::Clip>& among) const {
        const std::vector<tk::Clip> all = ground.sound.played();
        return std::any_of(all.begin(), all.end(), [&among](const tk::Clip& clip) {
            return std::find(among.begin(), among.end(), clip) != among.end();
        });
    }

  private:
    bool nearAnyHotspot(int x, int y) const {
        for (const tk::UnitRef& spot :
             tk::FindUnits(window.get(), {}, "透明标签", bookPage(), bookPage())) {
            if (spot.left() <= x && x <= spot.left() + spot.width() && spot.top() - 10 <= y &&
                y <= spot.top() + spot.height()) {
                return true;
            }
        }
        return false;
    }
};

} // namespace reader_tests
