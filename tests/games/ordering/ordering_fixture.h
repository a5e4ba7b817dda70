// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sentence-ordering window on the test ground, opened on a page's lists,
// and the child's ways of working it.

#include "catalogue.h"
#include "games/ordering/ordering_names.h"
#include "games/ordering/ordering_state.h"
#include "games/ordering/ordering_window.h"
#include "lists.h"
#include "support/ground.h"
#include "window.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ordering_tests {

using tk::operator""_gbk;

// Stand-ins for a page's recordings: clip k is a byte of its own.
inline tk::ClipList fakeClips(int n) {
    static const std::array<std::uint8_t, 64> bytes{};
    tk::ClipList clips;
    for (int i = 0; i < n && i < static_cast<int>(bytes.size()); ++i) {
        clips.push_back({bytes.data() + i, 1});
    }
    return clips;
}

struct Item {
    std::string english;
    std::string chinese; // UTF-8
};

// A page of the items with a clip each, or with clipCount clips.
inline common::PageLists fakePage(const std::vector<Item>& items, int clipCount = -1) {
    common::PageLists lists;
    for (const Item& item : items) {
        lists.english.push_back(item.english);
        lists.chinese.push_back(tk::toGbk(item.chinese));
    }
    lists.clips = fakeClips(clipCount < 0 ? static_cast<int>(items.size()) : clipCount);
    return lists;
}

// The lists the reader hands over on a book page.
inline common::PageLists bookPage(int page) {
    common::PageLists lists;
    dealLines(content::pageTextList(page / 2 - 1), lists.english, lists.chinese);
    lists.clips = content::pageClips(page / 2 - 1);
    return lists;
}

inline std::vector<tk::Clip> praiseClips() {
    return {content::effect(content::Effect::Praise1), content::effect(content::Effect::Praise2),
            content::effect(content::Effect::Praise3)};
}

// The three retry clips the sentence games use.
inline std::vector<tk::Clip> retryClips() {
    return {content::effect(content::Effect::Retry1), content::effect(content::Effect::Retry3),
            content::effect(content::Effect::Retry4)};
}

inline bool isOneOf(tk::Clip clip, const std::vector<tk::Clip>& clips) {
    return std::find(clips.begin(), clips.end(), clip) != clips.end();
}

constexpr int kBlack = tk::Rgb(0, 0, 0);
constexpr int kBlue = tk::Rgb(0, 0, 255);
constexpr int kNavy = tk::Rgb(0, 0, 128);
constexpr int kGrey = tk::Rgb(128, 128, 128);

inline const tk::Text& instruction() {
    static const tk::Text text =
        "请按照你认为正确的单词顺序单击上面单词，然后看看我什么变化哦..."_gbk;
    return text;
}

class OrderingTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override { content::loadBook(); }

    // A window of its own on the lists, as the opener makes one.
    void open(common::PageLists lists) {
        window.reset();
        state = ordering::OrderingState{};
        state.lists = std::move(lists);
        state.starts = &starts;
        window = tk::CreateWindow(ordering::orderingWindow(state));
    }

    tk::UnitRef unit(std::string_view name) const { return window->unit(name); }
    tk::UnitRef label(int k) const { return unit(ordering::kWordLabel + std::to_string(k)); }
    std::vector<tk::UnitRef> shownLabels() const {
        std::vector<tk::UnitRef> shown;
        for (int k = 1; k <= ordering::kWordLabels; ++k) {
            if (label(k).visible()) {
                shown.push_back(label(k));
            }
        }
        return shown;
    }
    tk::TextArray shownWords() const {
        tk::TextArray words;
        for (const tk::UnitRef& shown : shownLabels()) {
            words.push_back(shown.caption());
        }
        return words;
    }
    // The first shown label of the word not yet in used, which takes it.
    tk::UnitRef labelOf(const tk::Text& word, std::vector<tk::UnitRef>& used) const {
        for (const tk::UnitRef& shown : shownLabels()) {
            if (shown.caption() == word &&
                std::find(used.begin(), used.end(), shown) == used.end()) {
                used.push_back(shown);
                return shown;
            }
        }
        return {};
    }
    // A press on a word label, as the child makes it.
    void clickWord(tk::UnitRef word) const {
        testing_ground::press(word);
        testing_ground::release(word);
    }
    // Clicks the shown words in this order, each label once.
    void arrange(const tk::TextArray& words) const {
        std::vector<tk::UnitRef> used;
        for (const tk::Text& word : words) {
            const tk::UnitRef found = labelOf(word, used);
            ASSERT_FALSE(found.isEmpty()) << "no label left for " << word;
            clickWord(found);
        }
    }
    void clickButton(std::string_view name) const { testing_ground::click(unit(name)); }
    void next() const { clickButton(ordering::kNext); }
    void ok() const { clickButton(ordering::kOk); }
    void redo() const { clickButton(ordering::kRedo); }
    void answer() const { clickButton(ordering::kAnswer); }
    void listenAgain() const { clickButton(ordering::kListenAgain); }

    tk::UnitRef arrangedLine() const { return unit(ordering::kArrangedLine); }
    tk::Text arranged() const { return arrangedLine().caption(); }
    tk::UnitRef translation() const { return unit(ordering::kTranslation); }
    bool translationBoxShown() const {
        return std::all_of(std::begin(ordering::kTranslationLines),
                           std::end(ordering::kTranslationLines),
                           [this](const char* line) { return unit(line).visible(); });
    }
    bool translationBoxHidden() const {
        return std::none_of(std::begin(ordering::kTranslationLines),
                            std::end(ordering::kTranslationLines),
                            [this](const char* line) { return unit(line).visible(); });
    }
    // The sentence asked, as the child can tell: the clip that played.
    int askedItem() const {
        const tk::ClipList& clips = state.lists.clips;
        const auto found = std::find(clips.begin(), clips.end(), ground.sound.lastPlayed());
        return found == clips.end() ? 0 : static_cast<int>(found - clips.begin()) + 1;
    }

    ordering::OrderingState state;
    int starts = 0;
    std::unique_ptr<tk::Window> window;
};

} // namespace ordering_tests
