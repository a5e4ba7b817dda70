// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "finding_game.h"

#include "cartoon_box.h"
#include "finding_names.h"
#include "games/errors/error_list.h"
#include "games/errors/error_report.h"
#include "lists.h"
#include "platform.h"
#include "random.h"
#include "sound.h"
#include "window.h"

#include <vector>

namespace finding {

using tk::operator""_gbk;

namespace {

constexpr int kSecondMs = 1000;
constexpr int kBoxWidth = 800;
constexpr int kBoxHeight = 600;

// Five flights out of the click point: two to the right, two to the left and
// one straight up, each rising to its own height and falling out of the box.
const std::vector<std::vector<int>> kFlowerFlights = {
    {1, 100, -200, 100, 600},   {1, 100, -400, 100, 600}, {1, -100, -200, -100, 600},
    {1, -100, -400, -100, 600}, {1, 0, -500, 0, 600},
};
constexpr int kFlightStep = 10;     // pixels
constexpr int kFlightInterval = 30; // ms

int drawNumber(int min, int max) {
    return tk::RandomInt(min, max);
}

void writeCentred(tk::UnitRef box, Place place, const tk::Text& text) {
    if (!text.empty()) {
        tk::WriteText(box, centredLeft(place.centreX, tk::MeasureText(box, text)), place.textTop,
                      text);
    }
}

void askQuestion(tk::Window& window, FindingGame& game) {
    tk::UnitRef box = window.unit(kBox);
    box.setFontSize(kQuestionFontSize);
    tk::SeedRandom();
    game.question = drawQuestion(game.direction, game.words, game.meanings, drawNumber);
    writeCentred(box, kNotePlace, game.question.note);
    for (int slot = 1; slot <= kSlots; ++slot) {
        writeCentred(box, slotPlace(slot), game.question.cards[static_cast<std::size_t>(slot - 1)]);
    }
}

void clearBox(tk::Window& window) {
    tk::ClearArea(window.unit(kBox), 0, 0, kBoxWidth, kBoxHeight);
}

void loadLesson(tk::Window& window, FindingGame& game) {
    const tk::UnitRef list = window.unit(kLessonList);
    dealLines(game.wordList(tk::ItemData(list, list.currentIndex())), game.words, game.meanings);
    if (game.words.size() != game.meanings.size()) {
        tk::ShowMessage("汉语和英语不同"_gbk);
    }
}

void recordMiss(FindingGame& game) {
    // With no question asked (a lesson without words) nothing was missed.
    if (game.question.answerSlot != 0) {
        errors::append(game.errors, game.question.askedWord, game.question.askedMeaning);
    }
}

void releaseFlowers(tk::Window& window, int x, int y) {
    tk::UnitRef box = window.unit(kBox);
    std::vector<int> flowers{tk::CreateObject(box, window.unit(kFlower), x, y)};
    if (flowers.front() == 0) {
        return;
    }
    while (flowers.size() < kFlowerFlights.size()) {
        flowers.push_back(tk::CopyObject(box, flowers.front()));
    }
    for (std::size_t f = 0; f < flowers.size(); ++f) {
        tk::AutoAdvance(box, flowers[f], kFlightStep, kFlightInterval, kFlowerFlights[f], 1);
    }
}

void endGame(tk::Window& window, FindingGame& game) {
    const int entries = errors::entryCount(game.errors);
    if (entries > 0) {
        tk::ShowMessage(missesMessage(game.rightCount, entries), tk::kOkOnly, "错误情况"_gbk);
        errors::showErrorReport(game.errors, &window);
    } else {
        tk::ShowMessage(allCorrectMessage(), tk::kOkOnly, allCorrectCaption(game.direction));
    }
    game.rightCount = 0;
}

} // namespace

void opened(tk::Window& window, FindingGame& game) {
    errors::clear(game.errors);
    loadLesson(window, game);
    game.rightCount = 0;
    game.secondsCounter = 0;
    askQuestion(window, game);
}

void boxPressed(tk::Window& window, FindingGame& game, int x, int y) {
    tk::SeedRandom();
    // Starts the countdown when none runs; a running one keeps its phase.
    window.unit(kTimer).setInterval(kSecondMs);
    window.unit(kNext).setDisabled(false);
    if (game.question.answerSlot != 0 && slotUnder(x, y) == game.question.answerSlot) {
        tk::PlayClip(content::effect(content::Effect::Cheer));
        releaseFlowers(window, x, y);
        ++game.rightCount;
    } else if (game.question.answerSlot != 0) {
        const bool first = tk::RandomInt(1, 2) == 1;
        tk::PlayClip(content::effect(first ? content::Effect::Buzz1 : content::Effect::Buzz2));
        recordMiss(game);
    }
    clearBox(window);
    askQuestion(window, game);
}

void skipped(tk::Window& window, FindingGame& game) {
    clearBox(window);
    recordMiss(game);
    askQuestion(window, game);
}

void ticked(tk::Window& window, FindingGame& game) {
    --game.secondsCounter;
    if (game.secondsCounter > -kGameSeconds) {
        window.unit(kTimeLeft).setCaption(secondsLeftCaption(kGameSeconds + game.secondsCounter));
        window.unit(kLessonList).setDisabled(true);
        return;
    }
    window.unit(kTimer).setInterval(0);
    window.unit(kLessonList).setDisabled(false);
    game.secondsCounter = 0;
    window.unit(kNext).setDisabled(true);
    endGame(window, game);
}

void lessonChanged(tk::Window& window, FindingGame& game) {
    game.rightCount = 0;
    clearBox(window);
    errors::clear(game.errors);
    loadLesson(window, game);
    askQuestion(window, game);
    // A new game gets its full minute, even when the lesson changes in the
    // second before a running game's first tick.
    tk::UnitRef timer = window.unit(kTimer);
    timer.setInterval(0);
    game.secondsCounter = 0;
    timer.setInterval(kSecondMs);
    window.unit(kNext).setDisabled(false);
}

} // namespace finding
