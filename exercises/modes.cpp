// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes.h"

#include "catalogue.h"
#include "clock.h"
#include "common/feedback.h"
#include "judging.h"
#include "overlays.h"
#include "platform.h"
#include "random.h"
#include "sound.h"
#include "window.h"

#include <iterator>

namespace exercises {

using tk::operator""_gbk;

namespace {

constexpr const char* kQuestionLabel = "标签_显示翻译";
constexpr int kInstructionPauseMs = 7000;
constexpr int kPraisePauseMs = 3000;
constexpr int kRetryPauseMs = 4000;

bool hasCurrent(const ExerciseState& s) {
    return s.current >= 1 && s.current <= static_cast<int>(s.lines.size());
}

std::size_t currentIndex(const ExerciseState& s) {
    return static_cast<std::size_t>(s.current - 1);
}

tk::Clip currentClip(const ExerciseState& s) {
    return hasCurrent(s) && currentIndex(s) < s.clips.size() ? s.clips[currentIndex(s)]
                                                             : tk::Clip();
}

// The current item leaves, and the remaining rectangle at its place with it.
void removeCurrent(ExerciseState& s) {
    if (!hasCurrent(s)) {
        return;
    }
    const auto at = static_cast<std::ptrdiff_t>(currentIndex(s));
    s.lines.erase(s.lines.begin() + at);
    if (currentIndex(s) < s.clips.size()) {
        s.clips.erase(s.clips.begin() + at);
    }
    if (currentIndex(s) < s.remainingRects.size()) {
        s.remainingRects.erase(s.remainingRects.begin() + at);
    }
    s.current = 0;
}

// The rectangles of the page's hotspot labels, which carry the book page as
// their tag, by hotspot number.
void collectRectangles(tk::Window& window, ExerciseState& s, int bookPage) {
    s.pageRectangles.clear();
    for (const tk::UnitRef& hotspot : tk::FindUnits(&window, {}, tk::kindName(tk::Kind::TransLabel),
                                                    bookPage - 1, bookPage + 1)) {
        const int k = hotspotNumberOf(hotspot.name());
        if (k == 0) {
            continue;
        }
        if (k > static_cast<int>(s.pageRectangles.size())) {
            s.pageRectangles.resize(static_cast<std::size_t>(k));
        }
        s.pageRectangles[static_cast<std::size_t>(k - 1)] = {
            hotspot.left(), hotspot.left() + hotspot.width(), hotspot.top(),
            hotspot.top() + hotspot.height()};
    }
    s.remainingRects = s.pageRectangles;
}

void showQuestion(tk::Window& window, const tk::Text& line) {
    const QuestionPlace place = questionPlace(line, window.unit("图片框底图2").width());
    tk::UnitRef label = window.unit(kQuestionLabel);
    label.setVisible(true);
    label.setCaption(line);
    label.setWidth(place.width);
    label.setLeft(place.left);
    label.setTop(place.top);
    label.setFontSize(kQuestionFontSize);
    label.setHeight(place.height);
    label.setAlignment(1);
}

void complete(tk::Window& window) {
    setOverlays(window, false);
    common::playCompletion();
}

// Items and hotspots no longer match: say so, and end the mode, since no
// item is left to judge a click against.
void reportMismatch(tk::Window& window, const ExerciseState& s) {
    tk::ShowMessage(static_cast<long long>(s.lines.size()));
    tk::ShowMessage(static_cast<long long>(s.remainingRects.size()));
    tk::ShowMessage(s.mode == Mode::Practice ? "读音数量与找到的透明标签练一练不相等"_gbk
                                             : "汉语翻译数量与找到的透明标签找一找不相等"_gbk);
    setOverlays(window, false);
}

// Chooses the current item and asks it; placeholder items are dropped
// unasked.
void drawItem(tk::Window& window, ExerciseState& s) {
    for (;;) {
        tk::SeedRandom();
        tk::StopSound();
        s.targets.clear();
        s.current = 0;
        if (s.lines.size() != s.remainingRects.size()) {
            reportMismatch(window, s);
            return;
        }
        if (s.lines.empty()) {
            complete(window);
            return;
        }
        s.current = tk::RandomInt(1, static_cast<int>(s.lines.size()));
        const tk::Text line = s.lines[currentIndex(s)];
        if (s.mode == Mode::Find) {
            showQuestion(window, line);
        }
        s.targets = targetsOf(s.pageLines, line);
        if (line == "$") {
            removeCurrent(s);
            continue;
        }
        if (s.mode == Mode::Practice) {
            tk::PlayClip(currentClip(s));
        }
        return;
    }
}

void start(tk::Window& window, ExerciseState& s, const LessonPage& page, Mode mode) {
    s.mode = mode;
    tk::StopSound();
    s.pageLines = page.chinese;
    s.lines = page.chinese;
    s.clips.clear();
    s.targets.clear();
    s.current = 0;
    if (mode == Mode::Practice) {
        // Item k's clip; a page may hold more clips than items, never fewer.
        for (std::size_t k = 0; k < s.lines.size(); ++k) {
            s.clips.push_back(k < page.clips.size() ? page.clips[k] : tk::Clip());
        }
        tk::UnitRef label = window.unit(kQuestionLabel);
        label.setCaption({});
        label.setVisible(false);
    }
    setOverlays(window, true);
    collectRectangles(window, s, page.bookPage);
    tk::PlayClip(content::effect(mode == Mode::Practice ? content::Effect::PracticeInstruction
                                                        : content::Effect::FindInstruction));
    tk::Delay(kInstructionPauseMs);
    drawItem(window, s);
}

} // namespace

void startPractice(tk::Window& window, ExerciseState& state, const LessonPage& page) {
    start(window, state, page, Mode::Practice);
}

void startFind(tk::Window& window, ExerciseState& state, const LessonPage& page) {
    start(window, state, page, Mode::Find);
}

void judgeClick(tk::Window& window, ExerciseState& s, int x, int y) {
    if (!hasCurrent(s)) {
        return;
    }
    const common::FeedbackDraw draw =
        common::drawFeedback(static_cast<int>(std::size(common::kAllRetries)));
    tk::StopSound();
    const bool hit = hitTarget(s.pageRectangles, s.targets, x, y) != 0;
    common::playFeedback(common::outcomeOf(hit), draw, common::kAllRetries);
    if (hit) {
        tk::Delay(kPraisePauseMs);
        removeCurrent(s);
        if (s.lines.empty()) {
            complete(window);
            return;
        }
        drawItem(window, s);
        return;
    }
    tk::Delay(kRetryPauseMs);
    if (!hasCurrent(s)) {
        return;
    }
    if (s.mode == Mode::Practice) {
        tk::StopSound();
        tk::PlayClip(currentClip(s));
    } else {
        window.unit(kQuestionLabel).setCaption(s.lines[currentIndex(s)]);
    }
}

} // namespace exercises
