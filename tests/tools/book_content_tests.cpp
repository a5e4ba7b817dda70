// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a teacher checks in the book's own sources (content/data): the
// characters' likes agree from page to page, a letter's words begin with its
// sound, and every story shows where it happens.
#include "book_source.h"

#include <QRegularExpression>
#include <QString>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace bookmaker;

const fs::path kBookData = fs::path(TEST_DATA_DIR) / ".." / ".." / ".." / "content" / "data";

class BookContent : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string error;
        book_ = readBookSource(kBookData, error);
        ASSERT_TRUE(book_) << error;
    }
    static const BookSource& book() { return *book_; }

  private:
    static inline std::optional<BookSource> book_;
};

struct Said {
    int bookPage = 0;
    std::string speaker;
    QString sentence;
};

// Every sentence the recordings say, in book order, with who says it.
std::vector<Said> sentences(const BookSource& book) {
    static const QRegularExpression end(QStringLiteral("(?<=[.!?])\\s+"));
    std::vector<Said> out;
    for (const Spread& spread : book.spreads) {
        for (const Item& item : spread.items) {
            for (const SpokenPart& part : item.speech) {
                for (const QString& sentence : QString::fromStdString(part.text).split(end)) {
                    out.push_back({spread.bookPage, part.voice, sentence.trimmed()});
                }
            }
        }
    }
    return out;
}

// "strawberries" -> "strawberry", "apples" -> "apple"; empty for what is no fruit.
std::string fruit(const QString& word) {
    static const std::map<QString, std::string> fruits = {{"apple", "apple"},
                                                          {"apples", "apple"},
                                                          {"pear", "pear"},
                                                          {"pears", "pear"},
                                                          {"orange", "orange"},
                                                          {"oranges", "orange"},
                                                          {"banana", "banana"},
                                                          {"bananas", "banana"},
                                                          {"grape", "grape"},
                                                          {"grapes", "grape"},
                                                          {"watermelon", "watermelon"},
                                                          {"strawberry", "strawberry"},
                                                          {"strawberries", "strawberry"}};
    const auto found = fruits.find(word.toLower());
    return found == fruits.end() ? std::string() : found->second;
}

TEST_F(BookContent, EveryCharacterLikesTheSameFruitOnEveryPage) {
    static const QRegularExpression question(QStringLiteral("^Do you like (\\w+)"));
    static const QRegularExpression statement(QStringLiteral("^I (don't )?like (\\w+)"));
    // speaker -> fruit -> (likes it, where it was said)
    std::map<std::string, std::map<std::string, std::pair<bool, int>>> likes;
    int checked = 0;
    const auto note = [&](const Said& said, const std::string& what, bool yes) {
        if (what.empty() || said.speaker == "narrator") {
            return;
        }
        ++checked;
        const auto [at, added] = likes[said.speaker].try_emplace(what, yes, said.bookPage);
        EXPECT_TRUE(added || at->second.first == yes)
            << said.speaker << (yes ? " likes " : " does not like ") << what << " on book page "
            << said.bookPage << ", but " << (at->second.first ? "likes" : "does not like")
            << " it on book page " << at->second.second;
    };
    const std::vector<Said> all = sentences(book());
    std::string asked;
    for (const Said& said : all) {
        if (const auto match = statement.match(said.sentence); match.hasMatch()) {
            note(said, fruit(match.captured(2)), match.captured(1).isEmpty());
        }
        const bool yes = said.sentence.startsWith(QStringLiteral("Yes, I do"));
        const bool no = said.sentence.startsWith(QStringLiteral("No, I don't"));
        if ((yes || no) && !asked.empty()) {
            note(said, asked, yes);
        }
        const auto match = question.match(said.sentence);
        asked = match.hasMatch() ? fruit(match.captured(1)) : std::string();
    }
    EXPECT_GE(checked, 20) << "the fruit dialogues were not found";
}

TEST_F(BookContent, TheWordsOfALetterBeginWithItsSound) {
    // "Ss / sister, six, student": each word starts with the letter, and not
    // with two letters that make another sound.
    static const QRegularExpression letterBlock(QStringLiteral("^([A-Z])([a-z]) / (.+)$"));
    static const QStringList otherSounds = {"sh", "ch", "th", "ph", "wh"};
    int letters = 0;
    for (const Spread& spread : book().spreads) {
        for (const Item& item : spread.items) {
            const auto match = letterBlock.match(QString::fromStdString(item.print));
            if (!match.hasMatch() || match.captured(1).toLower() != match.captured(2)) {
                continue;
            }
            ++letters;
            const QString letter = match.captured(2);
            for (const QString& word : match.captured(3).split(QStringLiteral(", "))) {
                EXPECT_TRUE(word.startsWith(letter, Qt::CaseInsensitive))
                    << "book page " << spread.bookPage << ": " << word.toStdString();
                EXPECT_FALSE(otherSounds.contains(word.left(2).toLower()))
                    << "book page " << spread.bookPage << ": " << word.toStdString()
                    << " does not begin with /" << letter.toStdString() << "/";
            }
        }
    }
    EXPECT_GE(letters, 4);
}

bool inside(const tk::Rect& inner, const tk::Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

TEST_F(BookContent, EveryStoryShowsWhereItHappens) {
    int stories = 0;
    for (const Spread& spread : book().spreads) {
        const bool story = std::any_of(spread.items.begin(), spread.items.end(), [](const Item& i) {
            return i.kind == ItemKind::Heading && i.english == "Story time";
        });
        if (!story) {
            continue;
        }
        ++stories;
        // A scene: a place with someone or something in it.
        int people = 0;
        for (const Decoration& scene : spread.decorations) {
            if (scene.kind != DecorationKind::Panel || scene.scene.empty()) {
                continue;
            }
            for (const Decoration& art : spread.decorations) {
                people += art.kind == DecorationKind::Art && inside(art.rect, scene.rect) ? 1 : 0;
            }
        }
        EXPECT_GE(people, 2) << "the story of book page " << spread.bookPage << " has no scene";
    }
    EXPECT_EQ(stories, 7);
}

} // namespace
