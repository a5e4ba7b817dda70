// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill_handlers.h"

#include "catalogue.h"
#include "drill_logic.h"
#include "drill_names.h"
#include "lists.h"
#include "platform.h"
#include "random.h"
#include "sound.h"
#include "window.h"

namespace drill {

using tk::operator""_gbk;

namespace {

void enable(tk::Window& window, const char* name, bool enabled) {
    window.unit(name).setDisabled(!enabled);
}

// Listen again, confirm and next word come and go together.
void enableAnswering(tk::Window& window, bool enabled) {
    for (const char* name : {kListenAgain, kConfirm, kNextWord}) {
        enable(window, name, enabled);
    }
}

int chosenData(tk::Window& window, const char* list) {
    const tk::UnitRef combo = window.unit(list);
    return tk::ItemData(combo, combo.currentIndex());
}

tk::Text unitText(tk::Window& window) {
    const tk::UnitRef combo = window.unit(kUnitList);
    return tk::ItemText(combo, combo.currentIndex());
}

// One voice at a time, as in the reader.
void speak(tk::Clip clip) {
    tk::StopSound();
    if (!clip.empty()) {
        tk::PlayClip(clip);
    }
}

void finish(tk::Window& window, DrillState& state) {
    tk::ShowMessage("已经是本课时的最后一个单词了！"_gbk);
    enable(window, kStart, true);
    tk::UnitRef record = window.unit(kMissRecord);
    record.setVisible(true);
    window.unit(kAnswerBox).setVisible(false);
    enableAnswering(window, false);
    const int misses = static_cast<int>(state.misses.size());
    window.unit(kStatusLine)
        .setCaption(finishedStatus(unitText(window), state.meaningCount, misses));
    record.setText(record.text() + missRecord(state.misses));
}

void poseNextQuestion(tk::Window& window, DrillState& state) {
    const int misses = static_cast<int>(state.misses.size());
    window.unit(kStatusLine).setCaption(askingStatus(unitText(window), state.meaningCount, misses));
    tk::SeedRandom();
    ++state.questionNumber;
    enable(window, kNextWord, true);
    if (state.questionNumber > state.wordCount) {
        finish(window, state);
        return;
    }
    const int k =
        nextWordNumber(chosenData(window, kOrderList), state.questionNumber, state.unasked,
                       [](int min, int max) { return tk::RandomInt(min, max); });
    state.currentClip = clipAt(state.clips, k);
    speak(state.currentClip);
    state.expectedWord = textAt(state.words, k);
    state.currentMeaning = textAt(state.meanings, k);
    window.unit(kMeaningLine).setCaption(state.currentMeaning);
}

void recordMiss(DrillState& state) {
    state.misses.push_back(missEntry(state.expectedWord, state.currentMeaning));
}

} // namespace

void startDrill(tk::Window& window, DrillState& state) {
    tk::UnitRef answer = window.unit(kAnswerBox);
    tk::Font font;
    font.size = 22;
    answer.setFont(font);
    state.meanings.clear();
    state.words.clear();
    state.unasked.clear();
    state.questionNumber = 0;
    answer.setVisible(true);
    answer.setDisabled(false);
    tk::UnitRef record = window.unit(kMissRecord);
    record.setVisible(false);
    record.setText({});
    enableAnswering(window, true);
    state.misses.clear();
    tk::SetFocus(answer);

    const int unit = chosenData(window, kUnitList);
    dealLines(content::wordList(unit), state.words, state.meanings);
    state.clips = content::wordClips(unit);
    state.wordCount = static_cast<int>(state.words.size());
    state.meaningCount = static_cast<int>(state.meanings.size());
    state.unasked = allWordNumbers(state.wordCount);

    enable(window, kStart, false);
    poseNextQuestion(window, state);
}

void confirmAnswer(tk::Window& window, DrillState& state) {
    tk::StopSound();
    tk::UnitRef answer = window.unit(kAnswerBox);
    tk::UnitRef sign = window.unit(kSign);
    if (isRight(answer.text(), state.expectedWord)) {
        sign.setCaption("√"_gbk);
    } else {
        sign.setCaption("×"_gbk);
        recordMiss(state);
    }
    answer.setText({});
    tk::SetFocus(answer);
    poseNextQuestion(window, state);
}

void answerKey(tk::Window& window, DrillState& state, int key) {
    if (key == kEnterKey && !window.unit(kConfirm).disabled()) {
        confirmAnswer(window, state);
    }
}

void skipWord(tk::Window& window, DrillState& state) {
    tk::StopSound();
    window.unit(kAnswerBox).setText({});
    recordMiss(state);
    poseNextQuestion(window, state);
}

void listenAgain(DrillState& state) {
    speak(state.currentClip);
}

void showMeaningSwitched(tk::Window& window) {
    window.unit(kMeaningLine).setVisible(window.unit(kShowMeaning).checked());
}

void choiceChanged(tk::Window& window, DrillState& state) {
    enable(window, kStart, true);
    enableAnswering(window, false);
    window.unit(kAnswerBox).setVisible(true);
    window.unit(kMissRecord).setVisible(false);
    state.misses.clear();
}

} // namespace drill
