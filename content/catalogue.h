// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in book: text lists, clips, pictures and layout, compiled into
// the program. Every lookup is bounds-checked: outside its range it yields
// an empty list, text, clip or picture.

#include "book_pages.h"
#include "clip.h"
#include "text.h"

#include <QByteArray>
#include <string_view>
#include <vector>

namespace content {

// A hotspot of book page 70 or 74, which holds its own clip.
struct FixedHotspot {
    int number = 0; // 1-based; page 74 skips 25 and 30
    tk::Rect rect;
    tk::Clip clip;
};

struct AnswerBox {
    enum class Kind { Tick, Write, Listen } kind = Kind::Tick;
    std::string unitName; // UTF-8
    int bookPage = 0;
    tk::Rect rect;
    std::string answer; // Tick: "yes"/"no"; Write: the digit; Listen: item number
};

enum class Effect {
    PracticeInstruction,
    FindInstruction,
    Completion,
    Praise1,
    Praise2,
    Praise3,
    Retry1,
    Retry2,
    Retry3,
    Retry4,
    Music,
    Buzz1,
    Buzz2,
    LetterClick,
    Cheer,
    MatchSelect,
    MatchPair,
    MatchNotPair,
    MatchEmpty,
};

enum class PictureRole {
    StartBackground,
    Cover,
    Loading, // animated GIF
    ListenIcon,
    TickMark,
    CrossMark,
    DrillBackground,
    OrderingBackground,
    MatchingBackground, // also word spelling
    FindingBackground,  // both word-finding games
    TileFace1,
    TileFace2,
    Flower, // GIF
};

enum class BookText { StartTitle, ReaderTitle, HelpAbout, HelpFaq, LinkText, LinkUrl };

// Registers the compiled-in book; call once at start before any lookup.
void loadBook();

std::string_view pageTextList(int pageIndex); // GBK, CR LF between lines
std::string_view wordList(int unit);          // 1-6, GBK
const tk::ClipList& pageClips(int pageIndex);
const tk::ClipList& wordClips(int unit);
// Reader pages 0-35, in item order (pages 70 and 74: hotspot order).
const std::vector<tk::Rect>& pageHotspots(int readerPage);
const std::vector<FixedHotspot>& page70Hotspots();
const std::vector<FixedHotspot>& page74Hotspots();
const std::vector<AnswerBox>& answerBoxes();
tk::Clip effect(Effect role);
QByteArray pagePicture(int readerPage); // JPEG, no copy
QByteArray picture(PictureRole role);   // JPEG or GIF, no copy
QByteArray buttonFace(std::string_view name);
tk::Text bookText(BookText which); // GBK

} // namespace content
