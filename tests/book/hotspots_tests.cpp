// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Hotspots and answer boxes of the built book.
#include "book_shape.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

using namespace book_shape;
using tk::Rect;

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

std::string text(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
}

using BookHotspots = Book;

TEST_F(BookHotspots, OnePerItemInsideThePageBoxApart) {
    const Rect box{0, 0, 800, 540};
    std::size_t total = 0;
    for (int page = 0; page < content::kBookPages; ++page) {
        SCOPED_TRACE("reader page " + std::to_string(page));
        const std::vector<Rect>& rects = content::pageHotspots(page);
        if (page < content::kLessonPages) {
            EXPECT_EQ(rects.size(), lists(2 * page + 2).english.size());
        }
        for (std::size_t k = 0; k < rects.size(); ++k) {
            const Rect& r = rects[k];
            EXPECT_TRUE(inside(r, box)) << "hotspot " << k + 1 << " " << text(r);
            EXPECT_GE(r.width, 20) << "hotspot " << k + 1;
            EXPECT_LE(r.width, 326) << "hotspot " << k + 1;
            EXPECT_GE(r.height, 10) << "hotspot " << k + 1;
            EXPECT_LE(r.height, 152) << "hotspot " << k + 1;
            for (std::size_t j = 0; j < k; ++j) {
                EXPECT_FALSE(overlap(rects[j], r)) << "hotspots " << j + 1 << " and " << k + 1
                                                   << ": " << text(rects[j]) << ", " << text(r);
            }
        }
        total += rects.size();
    }
    EXPECT_EQ(content::pageHotspots(34).size(), 71u);
    EXPECT_EQ(content::pageHotspots(35).size(), 34u);
    EXPECT_EQ(total, 732u);
}

TEST_F(BookHotspots, FixedRectanglesAreWhereTheProgramExpectsThem) {
    struct Fixed {
        int bookPage;
        int item;
        Rect rect;
    };
    const Fixed fixed[] = {
        {2, 1, {176, 72, 164, 48}}, {4, 2, {162, 71, 185, 44}}, {12, 1, {176, 70, 156, 35}}};
    for (const Fixed& f : fixed) {
        const auto& rects = content::pageHotspots(pageIndex(f.bookPage));
        ASSERT_GE(rects.size(), static_cast<std::size_t>(f.item));
        EXPECT_EQ(rects[static_cast<std::size_t>(f.item - 1)], f.rect)
            << "book page " << f.bookPage;
    }
}

TEST_F(BookHotspots, Page70PlaysTheWordsInTableOrder) {
    struct Run {
        int firstHotspot;
        int unit;
        int firstClip;
        int lastClip;
    };
    const Run runs[] = {{1, 1, 1, 15}, {16, 2, 1, 12}, {28, 3, 1, 11}, {39, 4, 1, 4},
                        {43, 5, 1, 2}, {45, 4, 5, 12}, {53, 5, 3, 9},  {60, 6, 1, 12}};
    const auto& hotspots = content::page70Hotspots();
    ASSERT_EQ(hotspots.size(), 71u);
    for (const Run& run : runs) {
        for (int clip = run.firstClip; clip <= run.lastClip; ++clip) {
            const int number = run.firstHotspot + clip - run.firstClip;
            const content::FixedHotspot& hotspot = hotspots[static_cast<std::size_t>(number - 1)];
            EXPECT_EQ(hotspot.number, number);
            const tk::Clip expected =
                content::wordClips(run.unit)[static_cast<std::size_t>(clip - 1)];
            EXPECT_FALSE(hotspot.clip.empty()) << "hotspot " << number;
            // The same recording, not a copy of it.
            EXPECT_EQ(hotspot.clip, expected) << "hotspot " << number;
            EXPECT_EQ(hotspot.rect.width, 120) << "hotspot " << number;
            EXPECT_EQ(hotspot.rect.height, 13) << "hotspot " << number;
        }
    }
}

TEST_F(BookHotspots, Page70PrintsTheUnitsInOrderDownTheColumns) {
    // Read as a child reads the page, down each column, the units come one
    // after the other, whatever order the hotspots play in.
    std::vector<std::pair<Rect, int>> words;
    for (const content::FixedHotspot& hotspot : content::page70Hotspots()) {
        int unit = 0;
        for (int u = 1; u <= 6; ++u) {
            const auto& clips = content::wordClips(u);
            unit = std::find(clips.begin(), clips.end(), hotspot.clip) != clips.end() ? u : unit;
        }
        ASSERT_NE(unit, 0) << "hotspot " << hotspot.number;
        words.emplace_back(hotspot.rect, unit);
    }
    std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.left, a.first.top) < std::pair(b.first.left, b.first.top);
    });
    for (std::size_t k = 1; k < words.size(); ++k) {
        EXPECT_LE(words[k - 1].second, words[k].second)
            << "unit " << words[k].second << " at " << text(words[k].first) << " after unit "
            << words[k - 1].second;
    }
}

TEST_F(BookHotspots, NoHotspotLiesUnderATickBox) {
    int ticks = 0;
    for (const content::AnswerBox& box : content::answerBoxes()) {
        if (box.kind != content::AnswerBox::Kind::Tick) {
            continue;
        }
        ++ticks;
        // Where the tick box shows: moved by half its size.
        const content::Corner at = content::tickBoxCorner(box.rect, 1, 1);
        const auto& rects = content::pageHotspots(pageIndex(box.bookPage));
        for (std::size_t k = 0; k < rects.size(); ++k) {
            const Rect& r = rects[k];
            const bool covers = at.left < r.left + r.width && r.left < at.left + box.rect.width &&
                                at.top < r.top + r.height && r.top < at.top + box.rect.height;
            EXPECT_FALSE(covers) << box.unitName << " shown at " << at.left << "," << at.top
                                 << " covers hotspot " << k + 1 << " " << text(r);
        }
    }
    EXPECT_EQ(ticks, 12);
}

TEST_F(BookHotspots, Page74HasItsNumbersAnd31Clips) {
    std::vector<int> numbers = span(1, 24);
    for (const int n : {26, 27, 28, 29, 31, 32, 33, 34, 35, 36}) {
        numbers.push_back(n);
    }
    std::vector<int> found;
    std::set<const std::uint8_t*> clips;
    for (const content::FixedHotspot& hotspot : content::page74Hotspots()) {
        found.push_back(hotspot.number);
        EXPECT_FALSE(hotspot.clip.empty()) << "hotspot " << hotspot.number;
        clips.insert(hotspot.clip.data);
    }
    EXPECT_EQ(found, numbers);
    EXPECT_EQ(clips.size(), 31u);
}

TEST_F(BookHotspots, ListenMarksLieUnderTheirPlaceholderItems) {
    int counts[3] = {0, 0, 0};
    for (const content::AnswerBox& box : content::answerBoxes()) {
        SCOPED_TRACE(box.unitName);
        ++counts[static_cast<int>(box.kind)];
        EXPECT_TRUE(inside(box.rect, {0, 0, 800, 540})) << text(box.rect);
        if (box.kind != content::AnswerBox::Kind::Listen) {
            continue;
        }
        const std::size_t item = std::stoul(box.answer);
        const auto& rects = content::pageHotspots(pageIndex(box.bookPage));
        ASSERT_GE(rects.size(), item);
        EXPECT_TRUE(inside(box.rect, rects[item - 1]))
            << text(box.rect) << " not inside " << text(rects[item - 1]);
        EXPECT_EQ(lists(box.bookPage).english[item - 1], "$");
    }
    EXPECT_EQ(counts[0], 12);
    EXPECT_EQ(counts[1], 14);
    EXPECT_EQ(counts[2], 12);
}

} // namespace
