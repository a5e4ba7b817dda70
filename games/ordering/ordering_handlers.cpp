// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordering_handlers.h"

#include "clock.h"
#include "common/feedback.h"
#include "ordering_logic.h"
#include "ordering_look.h"
#include "ordering_names.h"
#include "random.h"
#include "sound.h"
#include "window.h"

#include <iterator>

namespace ordering {

using tk::operator""_gbk;

namespace {

constexpr int kRightPauseMs = 4000;

tk::UnitRef wordLabel(tk::Window& window, int k) {
    return tk::FindUnitByTag(&window, kFirstWordTag - 1 + k);
}

void showTranslation(tk::Window& window, bool shown) {
    window.unit(kTranslation).setVisible(shown);
    for (const char* line : kTranslationLines) {
        window.unit(line).setVisible(shown);
    }
}

void setArranged(tk::Window& window, const tk::Text& text, int colour) {
    tk::UnitRef line = window.unit(kArrangedLine);
    line.setCaption(text);
    line.setTextColor(colour);
}

// The label clicked before, back to the look of a word already used.
void markUsed(tk::UnitRef label) {
    label.setFont(simSun(14));
    label.setTextColor(kNavy);
}

// What every drawing of a sentence begins with: silence, no words, no
// translation, and a count of the start.
void beginAttempt(tk::Window& window, OrderingState& state) {
    tk::StopSound();
    tk::SeedRandom();
    for (int k = 1; k <= kWordLabels; ++k) {
        wordLabel(window, k).setVisible(false);
    }
    showTranslation(window, false);
    state.sentenceIndex = 0;
    state.sentence.clear();
    state.clicks = 0;
    if (state.starts && ++*state.starts > 1) {
        setArranged(window, tk::toGbk(kInstruction), kGrey);
    }
}

void layOut(tk::Window& window, const tk::TextArray& words) {
    const int firstLeft = wordLabel(window, 1).left();
    const std::vector<LabelPlace> places = layoutLabels(words, firstLeft);
    for (std::size_t i = 0; i < words.size() && i < places.size(); ++i) {
        tk::UnitRef label = wordLabel(window, static_cast<int>(i) + 1);
        label.setFont(simSun(14));
        label.setTextColor(kBlack);
        label.setCaption(words[i]);
        label.setWidth(places[i].width);
        label.setLeft(places[i].left);
        label.setVisible(true);
    }
}

} // namespace

void startSentence(tk::Window& window, OrderingState& state) {
    const common::PageLists& lists = state.lists;
    if (!listsFit(lists) || !hasUsableLine(lists.english)) {
        beginAttempt(window, state);
        return;
    }
    // Drawn with replacement until a usable line comes; every attempt counts
    // as a start. The page has one, so the drawing ends.
    do {
        beginAttempt(window, state);
        state.sentenceIndex = tk::RandomInt(1, static_cast<int>(lists.chinese.size()));
        state.sentence = lineAt(lists.english, state.sentenceIndex);
    } while (!isUsable(state.sentence));

    layOut(window, scatter(wordsOf(state.sentence),
                           [](int min, int max) { return tk::RandomInt(min, max); }));
    if (window.unit(kPronunciation).checked()) {
        tk::PlayClip(clipAt(lists.clips, state.sentenceIndex));
    }
    if (window.unit(kTranslationSwitch).checked()) {
        window.unit(kTranslation).setCaption(lineAt(lists.chinese, state.sentenceIndex));
        showTranslation(window, true);
    }
}

void wordClicked(tk::Window& window, OrderingState& state, tk::UnitRef label) {
    ++state.clicks;
    window.unit(kRedo).setVisible(true);
    if (state.clicks > 1) {
        markUsed(state.lastClicked);
        state.lastClicked.setWidth(shrunk(state.lastClicked.width()));
    } else {
        setArranged(window, {}, kBlack);
    }
    label.setFont(simSun(20));
    label.setTextColor(kBlue);
    label.setWidth(enlarged(label.width()));
    setArranged(window, window.unit(kArrangedLine).caption() + " " + label.caption(), kBlack);
    state.lastClicked = label;
}

void judge(tk::Window& window, OrderingState& state) {
    tk::StopSound();
    state.clicks = 0;
    const common::FeedbackDraw draw =
        common::drawFeedback(static_cast<int>(std::size(common::kGameRetries)));
    markUsed(state.lastClicked);
    if (!state.asking()) {
        return;
    }
    if (isArrangedRight(window.unit(kArrangedLine).caption(), state.sentence)) {
        common::playFeedback(common::Outcome::Right, draw, common::kGameRetries);
        tk::Delay(kRightPauseMs);
        return;
    }
    common::playFeedback(common::Outcome::Wrong, draw, common::kGameRetries);
    setArranged(window, "重新开始吧！"_gbk, kGrey);
}

void redo(tk::Window& window, OrderingState& state) {
    tk::StopSound();
    state.clicks = 0;
    markUsed(state.lastClicked);
    setArranged(window, "重新开始吧！"_gbk, kGrey);
}

void showAnswer(tk::Window& window, const OrderingState& state) {
    if (state.asking()) {
        setArranged(window, state.sentence, kBlack);
    }
}

void listenAgain(const OrderingState& state) {
    tk::PlayClip(clipAt(state.lists.clips, state.sentenceIndex));
}

void pronunciationSwitched(tk::Window& window) {
    tk::UnitRef box = window.unit(kPronunciation);
    box.setCaption(box.checked() ? "读音关"_gbk : "读音开"_gbk);
}

void translationSwitched(tk::Window& window) {
    tk::UnitRef box = window.unit(kTranslationSwitch);
    box.setCaption(box.checked() ? "汉语翻译关"_gbk : "汉语翻译开"_gbk);
}

void windowClosed(OrderingState& state) {
    state.lastClicked = {};
}

} // namespace ordering
