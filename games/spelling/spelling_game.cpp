// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling_game.h"

#include "catalogue.h"
#include "games/errors/error_list.h"
#include "games/errors/error_report.h"
#include "lists.h"
#include "platform.h"
#include "random.h"
#include "sound.h"
#include "spelling_logic.h"
#include "spelling_names.h"
#include "window.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace spelling {

using tk::operator""_gbk;

namespace {

constexpr int kBlack = tk::Rgb(0, 0, 0);
constexpr int kGrey = tk::Rgb(192, 192, 192);
constexpr int kClickedLetterSize = 20;
constexpr const char* kClickedMark = "2";
constexpr const char* kNoMark = "0";

// Decoded at the window's size the first time and kept: every later
// opening paints it at once.
const QImage& background() {
    static const QImage image = [] {
        QByteArray data = content::picture(content::PictureRole::MatchingBackground);
        QBuffer source(&data);
        source.open(QIODevice::ReadOnly);
        QImageReader reader(&source);
        reader.setScaledSize(QSize(800, 600));
        return reader.read();
    }();
    return image;
}

// The cells in the window's order, which is left to right: cell 1 first.
tk::UnitArray letterCells(tk::Window& window) {
    return tk::FindUnits(&window, kCellPrefix);
}

void resetCell(tk::UnitRef cell) {
    cell.setVisible(false);
    cell.setDisabled(false);
    cell.setTextColor(kBlack);
    cell.setFontSize(kLetterSize);
    cell.setTag(kNoMark);
}

void layOut(tk::Window& window, const tk::Text& word) {
    const tk::UnitArray cells = letterCells(window);
    for (const tk::UnitRef& cell : cells) {
        resetCell(cell);
    }
    const tk::Text letters =
        scatter(word, [](int min, int max) { return tk::RandomInt(min, max); });
    for (std::size_t c = 0; c < letters.size(); ++c) {
        tk::UnitRef cell = tk::member(cells, static_cast<int>(c));
        cell.setCaption(tk::Text(1, letters[c]));
        cell.setVisible(true);
    }
}

void showSummary(Game& game) {
    const int misses = errors::missedWords(game.errors);
    tk::ShowMessage(summaryText(game.state.wordCount, misses), tk::kOkOnly, "错误情况"_gbk);
    if (misses != 0) {
        errors::showErrorReport(game.errors, nullptr);
    }
}

void askNextWord(tk::Window& window, Game& game) {
    SpellingState& s = game.state;
    tk::SeedRandom();
    s.clicks = 0;
    window.unit(kRedo).setVisible(false);
    if (s.remaining.empty()) {
        // The last word's cells stay as they are.
        showSummary(game);
        return;
    }
    const int r = tk::RandomInt(1, static_cast<int>(s.remaining.size()));
    const int k = takeWord(s.remaining, r);
    s.currentWord = textAt(s.words, k);
    s.currentMeaning = textAt(s.meanings, k);
    s.currentClip = clipAt(s.clips, k);
    if (window.unit(kPronunciation).checked()) {
        tk::PlayClip(s.currentClip);
    }
    tk::UnitRef meaning = window.unit(kMeaning);
    meaning.setCaption(s.currentMeaning);
    if (window.unit(kShowMeaning).checked()) {
        meaning.setVisible(true);
    }
    layOut(window, s.currentWord);
}

void recordMiss(Game& game) {
    errors::append(game.errors, game.state.currentWord, game.state.currentMeaning);
}

void loadUnit(tk::Window& window, Game& game) {
    const tk::UnitRef list = window.unit(kUnitList);
    const int unit = tk::ItemData(list, list.currentIndex());
    SpellingState& s = game.state;
    s = SpellingState{};
    dealLines(content::wordList(unit), s.words, s.meanings);
    s.clips = content::wordClips(unit);
    if (s.words.size() != s.meanings.size()) {
        tk::ShowMessage("英语汉语数量不同"_gbk);
    }
    // A word the row cannot lay out could never be spelled: it is not asked.
    s.remaining = askableWords(s.words);
    s.wordCount = static_cast<int>(s.remaining.size());
    askNextWord(window, game);
}

} // namespace

void windowCreated(tk::Window& window, Game& game) {
    window.unit(kBackground).setImage(background());
    loadUnit(window, game);
}

void unitChosen(tk::Window& window, Game& game) {
    tk::StopSound();
    loadUnit(window, game);
}

void letterClicked(tk::Window& window, Game& game, tk::UnitRef cell) {
    SpellingState& s = game.state;
    ++s.clicks;
    tk::UnitRef result = window.unit(kResult);
    if (s.clicks == 1) {
        result.setCaption({});
    }
    tk::PlayClip(content::effect(content::Effect::LetterClick));
    cell.setFontSize(kClickedLetterSize);
    cell.setTextColor(kGrey);
    cell.setDisabled(true);
    cell.setTag(kClickedMark);
    result.setFontSize(kLetterSize);
    window.unit(kRedo).setVisible(true);
    result.setCaption(result.caption() + cell.caption());
    if (s.clicks < tk::TextLength(s.currentWord)) {
        return;
    }
    if (isSpelledRight(result.caption(), s.currentWord)) {
        tk::PlayClip(content::effect(content::Effect::Cheer));
    } else {
        tk::PlayClip(content::effect(content::Effect::Buzz1));
        recordMiss(game);
    }
    s.clicks = 0;
    result.setCaption({});
    askNextWord(window, game);
}

void redo(tk::Window& window, Game& game) {
    game.state.clicks = 0;
    for (tk::UnitRef cell : tk::FindUnits(&window, kCellPrefix, {}, 1, 3)) {
        cell.setFontSize(kLetterSize);
        cell.setTextColor(kBlack);
        cell.setDisabled(false);
        cell.setTag(kNoMark);
    }
    window.unit(kResult).setCaption({});
}

void listenAgain(tk::Window& window, const Game& game) {
    if (window.unit(kPronunciation).checked()) {
        tk::PlayClip(game.state.currentClip);
    }
}

void nextWord(tk::Window& window, Game& game) {
    tk::StopSound();
    // With no word asked (a unit without words) there is nothing to miss.
    if (!game.state.currentWord.empty()) {
        recordMiss(game);
    }
    window.unit(kResult).setCaption({});
    askNextWord(window, game);
}

void showAnswer(tk::Window& window, const Game& game) {
    window.unit(kResult).setCaption(game.state.currentWord);
}

void meaningSwitched(tk::Window& window) {
    tk::UnitRef box = window.unit(kShowMeaning);
    const bool shown = box.checked();
    box.setCaption(shown ? "单词翻译关"_gbk : "单词翻译开"_gbk);
    window.unit(kMeaning).setVisible(shown);
}

} // namespace spelling
