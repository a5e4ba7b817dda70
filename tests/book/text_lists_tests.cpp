// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The page text lists and word lists of the built book.
#include "book_shape.h"
#include "text.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

namespace {

using namespace book_shape;

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int wordCount(const std::string& line) {
    std::istringstream in(line);
    int count = 0;
    for (std::string word; in >> word;) {
        ++count;
    }
    return count;
}

using BookTexts = Book;

TEST_F(BookTexts, EveryPageHasItsItemsPlaceholdersAndClips) {
    int items = 0;
    int placeholders = 0;
    int clips = 0;
    for (const PageShape& shape : pages()) {
        SCOPED_TRACE("book page " + std::to_string(shape.bookPage));
        const DealtLists dealt = lists(shape.bookPage);
        ASSERT_EQ(dealt.english.size(), static_cast<std::size_t>(shape.items));
        ASSERT_EQ(dealt.chinese.size(), static_cast<std::size_t>(shape.items));
        std::vector<int> found;
        for (int k = 1; k <= shape.items; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            EXPECT_EQ(dealt.english[i] == "$", dealt.chinese[i] == "$") << "item " << k;
            if (dealt.english[i] == "$") {
                found.push_back(k);
            }
        }
        EXPECT_EQ(found, shape.placeholders);
        const std::size_t clipCount = content::pageClips(pageIndex(shape.bookPage)).size();
        EXPECT_EQ(clipCount,
                  static_cast<std::size_t>(shape.items + (shape.bookPage == 12 ? 1 : 0)));
        items += shape.items;
        placeholders += static_cast<int>(found.size());
        clips += static_cast<int>(clipCount);
    }
    EXPECT_EQ(items, 627);
    EXPECT_EQ(placeholders, 76);
    EXPECT_EQ(clips, 628);
}

TEST_F(BookTexts, OnlyBookPage36EndsWithCrLf) {
    for (const PageShape& shape : pages()) {
        const std::string_view text = content::pageTextList(pageIndex(shape.bookPage));
        EXPECT_EQ(text.ends_with("\r\n"), shape.bookPage == 36) << "book page " << shape.bookPage;
        EXPECT_EQ(text.find("\r\n\r\n"), std::string_view::npos) << "book page " << shape.bookPage;
    }
    const DealtLists p36 = lists(36);
    EXPECT_EQ(p36.english.size(), 9u);
    EXPECT_EQ(p36.chinese.size(), 9u);
    const DealtLists p12 = lists(12);
    EXPECT_EQ(p12.english.size(), 8u);
    EXPECT_EQ(p12.chinese.size(), 8u);
    EXPECT_EQ(content::pageClips(pageIndex(12)).size(), 9u);
}

TEST_F(BookTexts, LessonPagesReadLikeLessons) {
    bool sharedChinese = false;
    for (const PageShape& shape : pages()) {
        SCOPED_TRACE("book page " + std::to_string(shape.bookPage));
        const DealtLists dealt = lists(shape.bookPage);
        bool hasText = false;
        bool hasSentence = false;
        std::set<std::string> chinese;
        for (std::size_t i = 0; i < dealt.english.size(); ++i) {
            const std::string& english = dealt.english[i];
            for (const std::string& line : {english, dealt.chinese[i]}) {
                EXPECT_FALSE(line.empty()) << "item " << i + 1;
                EXPECT_FALSE(line.ends_with(' ')) << "item " << i + 1 << ": " << tk::toUtf8(line);
            }
            if (english == "$") {
                continue;
            }
            hasText = true;
            EXPECT_TRUE(std::all_of(english.begin(), english.end(), [](char c) {
                return c >= ' ' && c <= '~';
            })) << english;
            const int words = wordCount(english);
            hasSentence = hasSentence || (words >= 2 && words <= 9);
            sharedChinese = sharedChinese || !chinese.insert(dealt.chinese[i]).second;
        }
        EXPECT_TRUE(hasText);
        EXPECT_TRUE(hasSentence);
    }
    EXPECT_TRUE(sharedChinese) << "no page has two items with the same Chinese line";
}

TEST_F(BookTexts, EveryTranslationFitsOnAPrintedPage) {
    // The reader sizes the translation label at 11 pixels per byte: no
    // label may be wider than a printed page inside its margins.
    constexpr int kPerByte = 11;
    constexpr int kPrintedPage = 400 - 2 * 10;
    for (const PageShape& shape : pages()) {
        const DealtLists dealt = lists(shape.bookPage);
        for (std::size_t i = 0; i < dealt.chinese.size(); ++i) {
            EXPECT_LE(static_cast<int>(dealt.chinese[i].size()) * kPerByte, kPrintedPage)
                << "book page " << shape.bookPage << " item " << i + 1 << ": "
                << tk::toUtf8(dealt.chinese[i]);
        }
    }
}

struct UnitShape {
    int unit;
    std::size_t words;
    std::size_t longest;
    std::size_t clips;
};

const UnitShape kUnits[] = {{1, 15, 7, 15}, {2, 12, 11, 12}, {3, 12, 8, 11},
                            {4, 12, 5, 12}, {5, 9, 10, 9},   {6, 12, 9, 12}};

TEST_F(BookTexts, WordListsHaveTheirCountsAndLetters) {
    std::size_t clips = 0;
    for (const UnitShape& shape : kUnits) {
        SCOPED_TRACE("unit " + std::to_string(shape.unit));
        const DealtLists dealt = dealLines(content::wordList(shape.unit));
        ASSERT_EQ(dealt.english.size(), shape.words);
        ASSERT_EQ(dealt.chinese.size(), shape.words);
        std::size_t longest = 0;
        int capitals = 0;
        for (std::size_t w = 0; w < shape.words; ++w) {
            const std::string& word = dealt.english[w];
            EXPECT_GE(word.size(), 2u) << word;
            EXPECT_LE(word.size(), 11u) << word;
            EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](unsigned char c) {
                return std::isalpha(c) != 0;
            })) << word;
            EXPECT_TRUE(std::all_of(word.begin() + 1, word.end(), [](unsigned char c) {
                return std::islower(c) != 0;
            })) << word;
            capitals += std::isupper(static_cast<unsigned char>(word[0])) != 0 ? 1 : 0;
            longest = std::max(longest, word.size());
            EXPECT_FALSE(dealt.chinese[w].empty());
        }
        EXPECT_EQ(longest, shape.longest);
        EXPECT_EQ(capitals, shape.unit == 1 ? 4 : 0);
        EXPECT_EQ(content::wordClips(shape.unit).size(), shape.clips);
        clips += content::wordClips(shape.unit).size();
    }
    EXPECT_EQ(clips, 71u);
}

TEST_F(BookTexts, MeaningsUseFullWidthSeparatorsSomewhere) {
    bool twoSenses = false;
    bool note = false;
    for (const UnitShape& shape : kUnits) {
        for (const std::string& meaning : dealLines(content::wordList(shape.unit)).chinese) {
            const std::string utf8 = tk::toUtf8(meaning);
            twoSenses = twoSenses || utf8.find("；") != std::string::npos;
            note = note ||
                   (utf8.find("（") != std::string::npos && utf8.find("）") != std::string::npos);
            EXPECT_EQ(utf8.find(';'), std::string::npos) << utf8;
            EXPECT_EQ(utf8.find('('), std::string::npos) << utf8;
        }
    }
    EXPECT_TRUE(twoSenses);
    EXPECT_TRUE(note);
}

TEST_F(BookTexts, EveryUnitWordAppearsOnItsUnitsPages) {
    for (const UnitShape& shape : kUnits) {
        std::set<std::string> seen;
        for (const int bookPage : unitPages(shape.unit)) {
            for (const std::string& line : lists(bookPage).english) {
                std::string word;
                for (const char c : line + " ") {
                    if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
                        word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                    } else if (!word.empty()) {
                        seen.insert(word);
                        word.clear();
                    }
                }
            }
        }
        for (const std::string& word : dealLines(content::wordList(shape.unit)).english) {
            EXPECT_TRUE(seen.contains(lower(word))) << "unit " << shape.unit << ": " << word;
        }
    }
}

} // namespace
