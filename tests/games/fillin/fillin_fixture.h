// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fill-in window on the test ground over lists the test chooses, and the
// child's ways of working it.

#include "catalogue.h"
#include "common/page_lists.h"
#include "games/fillin/fillin_names.h"
#include "games/fillin/fillin_window.h"
#include "support/ground.h"
#include "window.h"

#include <QFontMetricsF>
#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fillin_tests {

// Clips that stand for a page's recordings: distinct, never played for real.
inline tk::Clip fakeClip(int k) {
    static const std::uint8_t bytes[64] = {};
    return {bytes + k, 1};
}

// A page of items (English, Chinese in UTF-8) with a clip for each.
inline common::PageLists pageOf(const std::vector<std::pair<std::string, std::string>>& items) {
    common::PageLists lists;
    for (const auto& [english, chinese] : items) {
        lists.english.push_back(tk::toGbk(english));
        lists.chinese.push_back(tk::toGbk(chinese));
        lists.clips.push_back(fakeClip(static_cast<int>(lists.clips.size())));
    }
    return lists;
}

inline std::vector<tk::Clip> praiseClips() {
    using content::Effect;
    return {content::effect(Effect::Praise1), content::effect(Effect::Praise2),
            content::effect(Effect::Praise3)};
}

// The three retry clips the sentence games use.
inline std::vector<tk::Clip> gameRetryClips() {
    using content::Effect;
    return {content::effect(Effect::Retry1), content::effect(Effect::Retry3),
            content::effect(Effect::Retry4)};
}

class FillInTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override { content::loadBook(); }

    void open(const common::PageLists& lists) {
        window.reset();
        window = tk::CreateWindow(fillin::fillInWindow(lists));
    }

    tk::UnitRef unit(const char* name) const { return window->unit(name); }
    tk::UnitRef box() const { return unit(fillin::kAnswerBox); }
    std::string line() const { return testing_ground::captionOf(unit(fillin::kQuestionLine)); }
    // The answer hint holds the missing word from the question on.
    std::string word() const { return testing_ground::captionOf(unit(fillin::kAnswerHint)); }
    void type(const std::string& utf8) const { testing_ground::type(box(), utf8); }
    void confirm() const { testing_ground::click(unit(fillin::kConfirm)); }
    void pressEnter() const { testing_ground::pressKey(box(), Qt::Key_Return); }
    void next() const { testing_ground::click(unit(fillin::kNextQuestion)); }
    void listenAgain() const { testing_ground::click(unit(fillin::kListenAgain)); }
    void showAnswer() const { testing_ground::click(unit(fillin::kAnswer)); }
    void flip(const char* checkBox) const { testing_ground::click(unit(checkBox)); }

    // Where the line as drawn in its own face starts and ends the text from
    // byte `from` on, `bytes` long, in window pixels.
    std::pair<double, double> drawnSpan(const std::string& utf8Line, int from, int bytes) const {
        const tk::UnitRef label = unit(fillin::kQuestionLine);
        const QFontMetricsF metrics(label.widget()->font());
        const QString text = QString::fromStdString(utf8Line);
        const auto at = [&](int n) { return label.left() + metrics.horizontalAdvance(text, n); };
        return {at(from), at(from + bytes)};
    }

    // The box lies over the bytes of the line: it covers them, and no more
    // than the pixel either side that rounding takes.
    void expectBoxOver(int from, int bytes) const {
        const auto [start, end] = drawnSpan(line(), from, bytes);
        const int left = box().left();
        const int right = box().left() + box().width();
        EXPECT_LE(left, start) << line() << " from " << from;
        EXPECT_GT(left, start - 1) << line() << " from " << from;
        EXPECT_GE(right, end) << line() << " from " << from;
        EXPECT_LT(right, end + 1) << line() << " from " << from;
        EXPECT_EQ(box().top(), 154);
        EXPECT_EQ(box().height(), 36);
    }

    std::unique_ptr<tk::Window> window;
};

} // namespace fillin_tests
