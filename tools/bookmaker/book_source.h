// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book's sources as read from content/data: what is printed where on
// every spread and what every recording says.

#include "rect.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bookmaker {

// One spoken stretch of a recording: who says it and what.
struct SpokenPart {
    std::string voice; // a name of voices.txt
    std::string text;  // UTF-8
};

// Where an item's recording comes from.
struct ClipSource {
    enum class Kind { Own, Word, Item } kind = Kind::Own;
    int unit = 0;  // Word: unit 1-6
    int index = 0; // Word: word number; Item: item number on the same page
};

enum class ItemKind { Heading, Line, Bubble, Word, Picture, Block };

struct Item {
    int number = 0;
    ItemKind kind = ItemKind::Line;
    tk::Rect rect;
    std::string english; // UTF-8; "$" for a placeholder item
    std::string chinese; // UTF-8
    std::string emoji;
    std::string print;              // Block: lines joined by " / "
    std::vector<SpokenPart> speech; // what the recording says; empty when shared
    ClipSource clip;
    // Picture: drawn by the art under it (a part of one drawing, a boat in a
    // box), not by the item.
    bool drawnByArt = false;
};

enum class DecorationKind { Art, Text, Panel };

struct Decoration {
    DecorationKind kind = DecorationKind::Art;
    tk::Rect rect; // Art: left, top, size, size
    std::string emoji;
    std::string print;
    std::string colour; // "#rrggbb" or empty
    std::string scene;  // Panel: the backdrop of a story scene, or empty
};

struct Spread {
    int bookPage = 0; // 2-68, 70, 74
    std::vector<Item> items;
    std::vector<Decoration> decorations;
    std::vector<SpokenPart> extraClip; // book page 12: the 9th recording
    bool finalLineBreak = false;       // the text list ends with CR LF
};

struct Word {
    std::string english;
    std::string meaning; // UTF-8
    bool hasClip = true;
};

struct Page74Hotspot {
    int number = 0; // 1-24, 26-29, 31-36
    tk::Rect rect;
    int clip = 0; // 1-31
    std::string print;
    std::string say;
    std::string chinese;
    std::vector<SpokenPart> speech; // say, split into voices
};

struct AnswerBox {
    enum class Kind { Tick, Write, Listen } kind = Kind::Tick;
    std::string unit; // the unit's name, UTF-8
    int bookPage = 0;
    tk::Rect rect;
    std::string answer; // Tick: "yes"/"no"; Write: the digit; Listen: the item number
};

struct BookSource {
    std::vector<Spread> spreads;            // book pages 2-68, in order
    std::map<int, std::vector<Word>> units; // 1-6
    std::vector<Page74Hotspot> page74;
    std::vector<Decoration> page74Decorations;
    std::vector<AnswerBox> answerBoxes;
    std::map<std::string, std::string> voices; // name -> engine voice
    std::map<std::string, std::string> texts;  // book.txt: key -> UTF-8 value
};

// Reads every source under dataDir; on a fault, returns nothing and says
// which file and line in error. Files not written yet are left out; a page
// text list and its layout must come together.
std::optional<BookSource> readBookSource(const std::filesystem::path& dataDir, std::string& error);

// Whether the book is whole: every spread of book pages 2-68, the six word
// lists, page 74, the answer boxes and every book text. Says what is missing.
bool checkBookComplete(const BookSource& book, std::string& error);

// The keys of book.txt, in the order of the program's book texts.
inline constexpr const char* kBookTextKeys[] = {"start_title", "reader_title", "help_about",
                                                "help_faq",    "link_text",    "link_url"};

} // namespace bookmaker
