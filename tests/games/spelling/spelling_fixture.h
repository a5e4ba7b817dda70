// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A spelling window on the test ground, over an error list of its own, and
// the child's ways of playing it: reading the row, clicking letters, the
// buttons and the unit list. Report windows that open are read and closed.

#include "catalogue.h"
#include "games/errors/error_report.h"
#include "games/spelling/spelling_names.h"
#include "games/spelling/spelling_window.h"
#include "lists.h"
#include "support/ground.h"
#include "window.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace spelling_tests {

struct UnitWords {
    tk::TextArray words;
    tk::TextArray meanings;
    tk::ClipList clips;
};

inline UnitWords unitWords(int unit) {
    UnitWords found;
    dealLines(content::wordList(unit), found.words, found.meanings);
    found.clips = content::wordClips(unit);
    return found;
}

inline tk::Text sorted(tk::Text text) {
    std::sort(text.begin(), text.end());
    return text;
}

class SpellingTest : public testing_ground::GroundTest {
  protected:
    void SetUp() override {
        content::loadBook();
        open(spelling::spellingWindow(errors));
    }

    void open(const tk::WindowDef& definition) {
        window = tk::CreateWindow(definition);
        // Any report window that opens is read and closed.
        for (int i = 0; i < 8; ++i) {
            ground.platform.insideNextWindow.push_back([this](tk::Window& report) {
                reports.push_back(report.unit(errors::kReportBox).text());
                reportErrorsBeforeClose.push_back(errors.size());
                tk::UnloadWindow(&report);
            });
        }
    }

    tk::UnitRef unit(std::string_view name) const { return window->unit(name); }
    void clickUnit(std::string_view name) const { testing_ground::click(unit(name)); }
    tk::UnitArray cells() const { return tk::FindUnits(window.get(), spelling::kCellPrefix); }
    tk::UnitRef cell(int position) const { return tk::member(cells(), position - 1); }

    // The letters of the shown cells, cell 1 first.
    tk::Text shownLetters() const {
        tk::Text letters;
        for (const tk::UnitRef& c : cells()) {
            if (c.visible()) {
                letters += c.caption();
            }
        }
        return letters;
    }
    int shownCells() const {
        const tk::UnitArray row = cells();
        return static_cast<int>(std::count_if(row.begin(), row.end(),
                                              [](const tk::UnitRef& c) { return c.visible(); }));
    }

    void chooseUnit(int unitNumber) {
        chosenUnit = unitNumber;
        testing_ground::pick(unit(spelling::kUnitList), unitNumber - 1);
    }
    UnitWords chosen() const { return unitWords(chosenUnit); }

    // The number (from 1) of the word asked: its meaning is shown and its
    // letters are on the row. 0 when none is.
    int askedNumber() const {
        const UnitWords lists = chosen();
        const tk::Text meaning = unit(spelling::kMeaning).caption();
        for (std::size_t i = 0; i < lists.words.size(); ++i) {
            if (lists.meanings[i] == meaning && sorted(lists.words[i]) == sorted(shownLetters())) {
                return static_cast<int>(i) + 1;
            }
        }
        return 0;
    }
    tk::Text askedWord() const {
        const int k = askedNumber();
        return k == 0 ? tk::Text() : chosen().words[static_cast<std::size_t>(k - 1)];
    }
    tk::Text askedMeaning() const {
        const int k = askedNumber();
        return k == 0 ? tk::Text() : chosen().meanings[static_cast<std::size_t>(k - 1)];
    }

    // Clicks, for each letter of text, the leftmost cell that shows it and
    // can still be clicked.
    void clickLetters(std::string_view text) const {
        for (char letter : text) {
            const tk::UnitArray row = cells();
            const auto found = std::find_if(row.begin(), row.end(), [letter](const tk::UnitRef& c) {
                return c.visible() && !c.disabled() && c.caption() == tk::Text(1, letter);
            });
            ASSERT_NE(found, row.end()) << "no cell left for " << letter;
            testing_ground::click(*found);
        }
    }
    void spellRight() const { clickLetters(askedWord()); }
    // Skips (a miss each) until the word asked has at least that many letters.
    void skipWordsShorterThan(std::size_t letters) const {
        for (int i = 0; i < 15 && askedWord().size() < letters; ++i) {
            clickUnit(spelling::kNextWord);
        }
        ASSERT_GE(askedWord().size(), letters);
    }
    // The asked word's letters in an order that is not the word.
    tk::Text misspelling() const {
        const tk::Text word = askedWord();
        tk::Text other = sorted(word);
        while (other == word && std::next_permutation(other.begin(), other.end())) {
        }
        return other;
    }
    void spellWrong() const { clickLetters(misspelling()); }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& message : ground.platform.messages) {
            texts.push_back(message.content);
        }
        return texts;
    }
    // The error list as word and meaning pairs, in the order missed.
    static tk::TextArray pairs(const std::vector<std::pair<tk::Text, tk::Text>>& misses) {
        tk::TextArray list;
        for (const auto& [word, meaning] : misses) {
            list.push_back(word);
            list.push_back(meaning);
        }
        return list;
    }

    tk::Clip effect(content::Effect which) const { return content::effect(which); }

    tk::TextArray errors;
    std::unique_ptr<tk::Window> window;
    int chosenUnit = 1;
    std::vector<tk::Text> reports;                    // what each report window showed
    std::vector<std::size_t> reportErrorsBeforeClose; // the list's size while it was open
};

} // namespace spelling_tests
