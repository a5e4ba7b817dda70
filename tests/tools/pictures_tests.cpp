// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The book maker's pictures: the page-70 word layout, fitted text, items
// drawn inside their hotspots, the GIF writer, the picture files and their
// cache keyed on what draws them, on a small book built here.
#include "maker_files.h"
#include "pictures.h"
#include "pictures_draw.h"
#include "pictures_gif.h"
#include "pictures_kit.h"

#include <QCryptographicHash>
#include <QFontMetricsF>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace bookmaker;

// Word lists of the real shape: 15, 12, 12 (word 4 without a clip), 12, 9, 12.
std::map<int, std::vector<Word>> fixtureUnits() {
    const std::map<int, int> counts{{1, 15}, {2, 12}, {3, 12}, {4, 12}, {5, 9}, {6, 12}};
    std::map<int, std::vector<Word>> units;
    for (const auto& [unit, count] : counts) {
        for (int k = 1; k <= count; ++k) {
            const std::string letters(std::size_t(2 + k % 6), char('a' + (unit * 3 + k) % 26));
            units[unit].push_back({"w" + letters, "词义" + std::to_string(k), true});
        }
    }
    units[3][3].hasClip = false;
    return units;
}

Item makeItem(int number, ItemKind kind, tk::Rect rect, const std::string& english,
              const std::string& emoji = "", const std::string& print = "") {
    Item item;
    item.number = number;
    item.kind = kind;
    item.rect = rect;
    item.english = english;
    item.emoji = emoji;
    item.print = print;
    return item;
}

// One item of each kind, sized as the content writers size them.
std::vector<Item> everyKind() {
    return {
        makeItem(1, ItemKind::Heading, {176, 72, 164, 48}, "Unit 1 Hello, friends!"),
        makeItem(2, ItemKind::Line, {20, 140, 300, 28}, "Where are you from?"),
        makeItem(3, ItemKind::Bubble, {20, 190, 240, 44}, "Hi, Ben! I'm Lily. I'm from China.",
                 "👧"),
        makeItem(4, ItemKind::Word, {420, 60, 80, 100}, "panda", "🐼"),
        makeItem(5, ItemKind::Picture, {520, 60, 90, 90}, "An apple.", "🍎"),
        makeItem(6, ItemKind::Block, {420, 200, 340, 110}, "$", "🎵",
                 "Let's chant / Hello, hello, hello! / Where are you from?"),
        makeItem(7, ItemKind::Bubble, {440, 330, 200, 40}, "Nice to meet you."),
    };
}

BookSource fixtureBook() {
    BookSource book;
    Spread first;
    first.bookPage = 2;
    first.items = everyKind();
    first.decorations.push_back(
        {DecorationKind::Panel, {20, 330, 360, 120}, "", "", "#eef6e4", ""});
    first.decorations.push_back({DecorationKind::Art, {40, 350, 60, 60}, "🌳", "", "", ""});
    Spread second;
    second.bookPage = 4;
    second.items = {makeItem(1, ItemKind::Heading, {20, 14, 150, 40}, "Let's talk"),
                    makeItem(2, ItemKind::Line, {20, 80, 330, 28}, "Nice to meet you.")};
    book.spreads = {first, second};
    book.units = fixtureUnits();
    for (int number : {1, 2}) {
        Page74Hotspot hotspot;
        hotspot.number = number;
        hotspot.rect = {50, 54 + 38 * number, 103, 22};
        hotspot.clip = number;
        hotspot.print = number == 1 ? "Good morning!" : "Stand up.";
        book.page74.push_back(hotspot);
    }
    book.answerBoxes = {{AnswerBox::Kind::Listen, "图片框听录音s2", 2, {620, 250, 20, 20}, "6"},
                        {AnswerBox::Kind::Write, "编辑框2_1", 2, {300, 400, 16, 16}, "1"}};
    return book;
}

TEST(WordListLayout, PlaysTheWordsInTableOrderWhereTheyArePrinted) {
    BookSource book;
    book.units = fixtureUnits();
    const std::vector<WordListEntry> entries = layoutPage70(book);
    ASSERT_EQ(entries.size(), 71u);
    // Hotspot number (1-based), unit, 1-based word of the unit's list.
    struct Case {
        int hotspot;
        int unit;
        int word;
    };
    const Case cases[] = {{1, 1, 1},  {15, 1, 15}, {16, 2, 1},  {27, 2, 12}, {28, 3, 1},
                          {30, 3, 3}, {31, 3, 5},  {38, 3, 12}, {39, 4, 1},  {42, 4, 4},
                          {43, 5, 1}, {44, 5, 2},  {45, 4, 5},  {52, 4, 12}, {53, 5, 3},
                          {59, 5, 9}, {60, 6, 1},  {71, 6, 12}};
    for (const Case& c : cases) {
        const WordListEntry& entry = entries[std::size_t(c.hotspot - 1)];
        EXPECT_EQ(entry.unit, c.unit) << "hotspot " << c.hotspot;
        EXPECT_EQ(entry.word, c.word) << "hotspot " << c.hotspot;
    }
    const std::vector<WordListEntry> printed = draw::wordListPrint(book);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto at = std::find_if(printed.begin(), printed.end(), [&](const WordListEntry& e) {
            return e.unit == entries[i].unit && e.word == entries[i].word;
        });
        ASSERT_NE(at, printed.end()) << "hotspot " << i + 1;
        EXPECT_EQ(entries[i].rect, at->rect) << "hotspot " << i + 1 << " is not on its word";
        EXPECT_EQ(entries[i].rect.width, 120);
        EXPECT_EQ(entries[i].rect.height, 13);
    }
}

TEST(WordListLayout, PrintsEveryWordInUnitOrderDownFourColumns) {
    BookSource book;
    book.units = fixtureUnits();
    const std::vector<WordListEntry> printed = draw::wordListPrint(book);
    // Every word of every list, the one without a clip too.
    ASSERT_EQ(printed.size(), 72u);
    const std::set<int> columns{25, 200, 430, 605};
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const tk::Rect& r = printed[i].rect;
        SCOPED_TRACE("printed word " + std::to_string(i + 1));
        EXPECT_TRUE(columns.count(r.left)) << r.left;
        EXPECT_GE(r.top, 10);
        // Room for the meaning at the smallest readable size, above the page numbers.
        EXPECT_LE(r.top + r.height + draw::kWordListMeaning, 520);
        if (i == 0) {
            EXPECT_EQ(printed[i].unit, 1);
            EXPECT_EQ(printed[i].word, 1);
            continue;
        }
        const WordListEntry& before = printed[i - 1];
        const bool next = before.unit == printed[i].unit && before.word + 1 == printed[i].word;
        const bool nextUnit = before.unit + 1 == printed[i].unit && printed[i].word == 1;
        EXPECT_TRUE(next || nextUnit) << "unit " << printed[i].unit << " word " << printed[i].word
                                      << " after unit " << before.unit << " word " << before.word;
        const bool below = before.rect.left == r.left &&
                           r.top >= before.rect.top + before.rect.height + draw::kWordListMeaning;
        EXPECT_TRUE(below || r.left > before.rect.left)
            << "not below or right of the word before it";
    }
    const auto noClip = std::find_if(printed.begin(), printed.end(), [](const WordListEntry& e) {
        return e.unit == 3 && e.word == 4;
    });
    ASSERT_NE(noClip, printed.end());
    for (const WordListEntry& hotspot : layoutPage70(book)) {
        EXPECT_NE(hotspot.rect, noClip->rect) << "the word without a clip has a hotspot";
    }
}

TEST(WordListLayout, PrintsEveryMeaningAtAReadableSize) {
    BookSource book;
    book.units = fixtureUnits();
    // The longest meanings of the book's lists.
    book.units[2][4].meaning = "祖母；外祖母";
    book.units[4][5].meaning = "帽子（有檐的）";
    book.units[4][11].meaning = "在……下面";
    draw::Warnings warnings;
    const QImage page = draw::wordListSpread(book, warnings);
    EXPECT_EQ(page.size(), QSize(2400, 1620));
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    // The same meaning squeezed under a word is refused, not shrunk.
    book.units[1][0].meaning = "这是一个非常非常长而且根本放不下的中文意思";
    draw::wordListSpread(book, warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("unit 1 word 1 meaning"), std::string::npos) << warnings[0];
}

TEST(WordListLayout, LaysOutWhateverWordsThereAre) {
    BookSource book;
    book.units = fixtureUnits();
    book.units.erase(5);
    book.units[6].resize(3);
    const std::vector<WordListEntry> entries = layoutPage70(book);
    ASSERT_EQ(entries.size(), 15u + 12 + 11 + 12 + 3);
    EXPECT_EQ(entries[42].unit, 4);
    EXPECT_EQ(entries[42].word, 5);
    EXPECT_TRUE(layoutPage70(BookSource{}).empty());
}

qreal widest(const kit::FittedText& text) {
    const QFontMetricsF metrics(text.font);
    qreal width = 0;
    for (const QString& line : text.lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    return width;
}

TEST(FittedText, TakesTheLargestSizeThatFitsTheBox) {
    struct Case {
        const char* text;
        QRectF box;
        bool fits;
        std::size_t lines;
    };
    const Case cases[] = {
        {"Hello!", QRectF(0, 0, 600, 90), true, 1},
        {"Good morning, boys and girls!", QRectF(0, 0, 300, 120), true, 2},
        {"你好，我是莉莉。", QRectF(0, 0, 200, 120), true, 2},
        {"Extraordinarily", QRectF(0, 0, 60, 60), false, 1},
        {"One two three four five six seven eight nine ten", QRectF(0, 0, 120, 40), false, 0},
    };
    for (const Case& c : cases) {
        const kit::FittedText fitted = kit::fitText({c.text, c.box, 30, 80, true, false, false});
        EXPECT_EQ(fitted.fits, c.fits) << c.text;
        if (c.lines > 0) {
            EXPECT_EQ(fitted.lines.size(), c.lines) << c.text;
        }
        if (c.fits) {
            EXPECT_LE(widest(fitted), c.box.width()) << c.text;
            EXPECT_LE(kit::blockHeight(fitted), c.box.height()) << c.text;
            // One pixel more would not fit.
            const kit::FittedText larger =
                kit::fitText({c.text, c.box, fitted.pixelSize + 1, 80, true, false, false});
            EXPECT_TRUE(!larger.fits || fitted.pixelSize == 80) << c.text;
        } else {
            EXPECT_EQ(fitted.pixelSize, 30) << c.text;
        }
    }
}

TEST(FittedText, KeepsRunsOfSpacesInsideALine) {
    // Two columns of words, lined up by spaces, as a listening exercise prints them.
    for (const char* text : {"1. panda   tiger", "3. monkey   giraffe"}) {
        const kit::FittedText fitted =
            kit::fitText({text, QRectF(0, 0, 900, 90), 30, 60, true, false, false});
        ASSERT_TRUE(fitted.fits);
        ASSERT_EQ(fitted.lines.size(), 1u);
        EXPECT_EQ(fitted.lines[0].toStdString(), text);
    }
    // A line broken at a run of spaces starts without them.
    const kit::FittedText broken =
        kit::fitText({"panda   tiger", QRectF(0, 0, 160, 200), 40, 40, true, false, false});
    ASSERT_EQ(broken.lines.size(), 2u);
    EXPECT_EQ(broken.lines[1].toStdString(), "tiger");
}

TEST(SharedSizes, ParallelTextsPrintAtTheSmallestSizeOfTheirGroup) {
    // Kind, width, height, the size each fits at.
    const std::vector<draw::SizedText> texts = {
        {3, 82, 95, 20},                    // word cards in a row: "China"
        {3, 82, 95, 16},                    // "America"
        {3, 82, 95, 19},  {3, 110, 88, 22}, // a card of another size is its own group
        {2, 82, 95, 25},                    // so is a bubble of the same size
        {3, 82, 95, 0},                     // no text to size
        {1, 250, 30, 18},                   // lines of one size
        {1, 250, 30, 14},
    };
    const std::vector<qreal> expected = {16, 16, 16, 22, 25, 0, 14, 14};
    EXPECT_EQ(draw::sharedSizes(texts), expected);
    EXPECT_TRUE(draw::sharedSizes({}).empty());
}

TEST(FittedText, BalancesWrappedLines) {
    const kit::FittedText fitted = kit::fitText(
        {"Hi, Ben! I'm Lily. I'm from China.", QRectF(0, 0, 700, 130), 30, 60, true, false, false});
    ASSERT_TRUE(fitted.fits);
    ASSERT_EQ(fitted.lines.size(), 2u);
    const QFontMetricsF metrics(fitted.font);
    const qreal first = metrics.horizontalAdvance(fitted.lines[0]);
    const qreal second = metrics.horizontalAdvance(fitted.lines[1]);
    EXPECT_LT(std::abs(first - second), std::max(first, second) * 0.35)
        << fitted.lines[0].toStdString() << " / " << fitted.lines[1].toStdString();
}

// The page-box rectangle (in spread pixels) of every pixel that differs
// between two spreads.
struct Ink {
    QRect bounds;
    std::vector<QPoint> outside;
};

Ink inkOf(const QImage& drawn, const QImage& blank, const std::vector<QRect>& allowed) {
    Ink ink;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(blank.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const int d = std::abs(qRed(a[x]) - qRed(b[x])) +
                          std::abs(qGreen(a[x]) - qGreen(b[x])) +
                          std::abs(qBlue(a[x]) - qBlue(b[x]));
            if (d <= 12) {
                continue;
            }
            const QPoint p(x, y);
            ink.bounds = ink.bounds.united(QRect(p, QSize(1, 1)));
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const QRect& r) { return r.contains(p); })) {
                ink.outside.push_back(p);
            }
        }
    }
    return ink;
}

QRect spreadPixels(const tk::Rect& r) {
    constexpr int s = draw::kSpreadScale;
    return QRect(r.left * s, r.top * s, r.width * s, r.height * s);
}

TEST(LessonSpread, DrawsEveryItemInsideItsHotspotAndFillsIt) {
    Spread empty;
    empty.bookPage = 2;
    draw::Warnings warnings;
    const QImage blank = draw::lessonSpread(empty, {}, warnings);
    ASSERT_EQ(blank.size(), QSize(2400, 1620));
    for (const Item& item : everyKind()) {
        SCOPED_TRACE("item " + std::to_string(item.number));
        Spread spread = empty;
        spread.items = {item};
        draw::Warnings itemWarnings;
        const QImage drawn = draw::lessonSpread(spread, {}, itemWarnings);
        EXPECT_TRUE(itemWarnings.empty()) << itemWarnings.front();
        const QRect hotspot = spreadPixels(item.rect);
        const Ink ink = inkOf(drawn, blank, {hotspot.adjusted(-1, -1, 1, 1)});
        EXPECT_TRUE(ink.outside.empty())
            << ink.outside.size() << " pixels outside, first at " << ink.outside.front().x() << ", "
            << ink.outside.front().y();
        EXPECT_GE(ink.bounds.width(), hotspot.width() * 0.8);
        EXPECT_GE(ink.bounds.height(), hotspot.height() * 0.75);
    }
}

TEST(LessonSpread, WarnsOfTextThatCannotFitAndStillKeepsItInside) {
    Spread spread;
    spread.bookPage = 30;
    spread.items = {makeItem(7, ItemKind::Line, {40, 100, 60, 14},
                             "This sentence is far too long for its small box.")};
    draw::Warnings warnings;
    const QImage drawn = draw::lessonSpread(spread, {}, warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("page 30 item 7"), std::string::npos) << warnings[0];
    Spread empty;
    empty.bookPage = 30;
    const Ink ink = inkOf(drawn, draw::lessonSpread(empty, {}, warnings),
                          {spreadPixels(spread.items[0].rect).adjusted(-3, -3, 3, 3)});
    EXPECT_TRUE(ink.outside.empty());
    EXPECT_FALSE(ink.bounds.isEmpty());
}

TEST(LessonSpread, MarksTheAnswerBoxesOfItsPageOnly) {
    Spread spread;
    spread.bookPage = 10;
    const std::vector<AnswerBox> boxes{
        {AnswerBox::Kind::Listen, "s10", 10, {260, 64, 20, 20}, "3"},
        {AnswerBox::Kind::Tick, "t10", 10, {56, 101, 15, 16}, "yes"},
        {AnswerBox::Kind::Write, "w10", 10, {79, 145, 16, 16}, "4"},
        {AnswerBox::Kind::Listen, "s44", 44, {500, 300, 20, 20}, "3"},
    };
    draw::Warnings warnings;
    const QImage blank = draw::lessonSpread(spread, {}, warnings);
    const QImage drawn = draw::lessonSpread(spread, boxes, warnings);
    // The tick box is shown moved by half its size; the outline goes there.
    const Ink ink = inkOf(drawn, blank,
                          {spreadPixels({260, 64, 20, 20}).adjusted(-1, -1, 1, 1),
                           spreadPixels({63, 109, 15, 16}).adjusted(-6, -6, 8, 8),
                           spreadPixels({79, 145, 16, 16}).adjusted(-6, -6, 6, 6)});
    EXPECT_TRUE(ink.outside.empty()) << ink.outside.size() << " pixels outside, first at "
                                     << ink.outside.front().x() << ", " << ink.outside.front().y();
    const QColor badge =
        drawn.pixelColor(spreadPixels({260, 64, 20, 20}).topLeft() + QPoint(6, 30));
    EXPECT_GT(badge.red(), 200);
    EXPECT_LT(badge.green(), 160);
    EXPECT_EQ(drawn.pixel(spreadPixels({510, 310, 1, 1}).topLeft()),
              blank.pixel(spreadPixels({510, 310, 1, 1}).topLeft()));
}

TEST(LessonSpread, ComesOutTheSameWhateverWasDrawnBefore) {
    const BookSource book = fixtureBook();
    draw::Warnings warnings;
    const QImage first = draw::lessonSpread(book.spreads[0], book.answerBoxes, warnings);
    draw::lessonSpread(book.spreads[1], book.answerBoxes, warnings);
    EXPECT_EQ(draw::lessonSpread(book.spreads[0], book.answerBoxes, warnings), first);
}

TEST(LessonSpread, LeavesAPictureDrawnByTheArtToTheArt) {
    Spread empty;
    empty.bookPage = 40;
    Spread spread = empty;
    Item boat = makeItem(1, ItemKind::Picture, {100, 100, 60, 30}, "boat");
    boat.drawnByArt = true;
    spread.items = {boat};
    draw::Warnings warnings;
    EXPECT_EQ(draw::lessonSpread(spread, {}, warnings), draw::lessonSpread(empty, {}, warnings));
    EXPECT_TRUE(warnings.empty());
}

TEST(ClassroomSpread, PrintsEachPhrasesChineseUnderIt) {
    BookSource book = fixtureBook();
    draw::Warnings warnings;
    const QImage without = draw::classroomSpread(book, warnings);
    book.page74[0].chinese = "早上好！";
    book.page74[1].chinese = "起立。";
    const QImage with = draw::classroomSpread(book, warnings);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    std::vector<QRect> under;
    for (const Page74Hotspot& hotspot : book.page74) {
        const tk::Rect& r = hotspot.rect;
        under.push_back(spreadPixels(
            {r.left, r.top + r.height, draw::kClassroomMeaningWidth, draw::kClassroomMeaning}));
    }
    const Ink ink = inkOf(with, without, under);
    EXPECT_TRUE(ink.outside.empty()) << ink.outside.size() << " pixels outside";
    for (const QRect& band : under) {
        EXPECT_TRUE(ink.bounds.intersects(band));
        // At the smallest readable size or more: the ink is most of the band high.
        EXPECT_GE(inkOf(with, without, {}).bounds.intersected(band).height(), band.height() * 0.6);
    }
}

TEST(DrawnThings, DrawEveryNamedThingAndNothingElse) {
    for (const char* name :
         {"draw:desk", "draw:box", "draw:box in ⚽", "draw:box on ⚽", "draw:box under ⚽",
          "draw:bag in 🗺️", "draw:desk on 🧢", "draw:desk under 🚗", "draw:chair under 🚗",
          "draw:new 🎒", "draw:pupil"}) {
        const QImage image = kit::emojiImage(name);
        EXPECT_FALSE(image.isNull()) << name;
        EXPECT_GE(image.width(), 60) << name;
    }
    for (const char* name :
         {"draw:sofa", "draw:box beside ⚽", "draw:bag on ⚽", "draw:desk ⚽", "draw:", "draw:new"}) {
        EXPECT_TRUE(kit::emojiImage(name).isNull()) << name;
    }
}

TEST(DrawnThings, AThingInAContainerShowsAboveItsFrontAndIsHiddenBehindIt) {
    // Canvas parts: where the thing shows, and the container's front.
    struct Case {
        const char* holder;
        QRect above;
        QRect front;
    };
    const Case cases[] = {{"box", {90, 60, 60, 40}, {50, 130, 140, 70}},
                          {"bag", {90, 40, 60, 40}, {50, 120, 140, 80}}};
    for (const Case& c : cases) {
        const std::string holder = std::string("draw:") + c.holder + " in ";
        const QImage blue = kit::emojiImage(holder + "🟦");
        const QImage red = kit::emojiImage(holder + "🟥");
        // Placed things keep their whole canvas, so a layout knows where the parts are.
        ASSERT_EQ(blue.size(), QSize(240, 240)) << c.holder;
        EXPECT_NE(blue.copy(c.above), red.copy(c.above)) << c.holder << ": the thing is not seen";
        EXPECT_EQ(blue.copy(c.front), red.copy(c.front))
            << c.holder << ": the thing shows through the front";
    }
}

QImage frameOf(int width, int height, int seed, bool rich) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = (x * 7 + y * 13 + seed * 31) % 97;
            if ((x + y + seed) % 11 == 0) {
                image.setPixel(x, y, qRgb(255, 255, 255));
            } else if (rich) {
                image.setPixel(x, y,
                               qRgb((x * 5 + seed) % 256, (y * 3 + v) % 250, (x * y + seed) % 256));
            } else {
                image.setPixel(x, y, qRgb(v * 2, 255 - v, (v * 5) % 200));
            }
        }
    }
    return image;
}

std::vector<QImage> readFrames(const fs::path& file) {
    QImageReader reader(QString::fromStdString(file.string()));
    std::vector<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
    }
    return frames;
}

TEST(GifWriter, KeepsFramesOfFewColoursExactly) {
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "few.gif";
    // Large enough that the code table fills up and starts over.
    const std::vector<QImage> frames{frameOf(300, 200, 0, false), frameOf(300, 200, 1, false),
                                     frameOf(300, 200, 2, false)};
    std::string error;
    ASSERT_TRUE(writeGif(frames, 8, file, error)) << error;
    const std::vector<QImage> read = readFrames(file);
    ASSERT_EQ(read.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(read[i], frames[i]) << "frame " << i;
    }
}

TEST(GifWriter, KeepsWhiteOnlyWhereTheFrameIsWhite) {
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "rich.gif";
    const QImage frame = frameOf(160, 160, 3, true);
    std::string error;
    ASSERT_TRUE(writeGif({frame}, 0, file, error)) << error;
    const std::vector<QImage> read = readFrames(file);
    ASSERT_EQ(read.size(), 1u);
    ASSERT_EQ(read[0].size(), frame.size());
    long long total = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb a = frame.pixel(x, y);
            const QRgb b = read[0].pixel(x, y);
            ASSERT_EQ(a == qRgb(255, 255, 255), b == qRgb(255, 255, 255)) << x << ", " << y;
            total += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                     std::abs(qBlue(a) - qBlue(b));
        }
    }
    // Many more colours than a GIF holds: close, not exact.
    EXPECT_LT(double(total) / (frame.width() * frame.height()), 30.0);
}

QSize sizeOf(const fs::path& file) {
    return QImageReader(QString::fromStdString(file.string())).size();
}

// A drawing identity as drawingIdentity gives it, told apart by its maker.
std::string identity(const char* maker) {
    return QCryptographicHash::hash(maker, QCryptographicHash::Sha1).toHex().toStdString();
}

class RenderedBook : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::path(dir_.path().toStdString());
        options_ = {root_ / "out", root_ / "cache", identity("maker A")};
        book_ = fixtureBook();
        page70_ = layoutPage70(book_);
        std::string error;
        ASSERT_TRUE(renderPictures(book_, options_, error)) << error;
    }
    QTemporaryDir dir_;
    fs::path root_;
    PictureOptions options_;
    BookSource book_;
    std::vector<WordListEntry> page70_;
};

TEST_F(RenderedBook, WritesEveryPictureAtItsSize) {
    for (const char* page : {"page02", "page04", "page70", "page74"}) {
        EXPECT_EQ(sizeOf(options_.outDir / "pages" / (std::string(page) + ".jpg")),
                  QSize(2400, 1620))
            << page;
    }
    const std::map<std::string, QSize> pictures{
        {"start_background.jpg", {803, 605}},
        {"cover.jpg", {150, 200}},
        {"listen_icon.jpg", {40, 40}},
        {"tick_mark.jpg", {20, 20}},
        {"cross_mark.jpg", {20, 20}},
        {"drill_background.jpg", {4000, 2800}},
        {"ordering_background.jpg", {800, 600}},
        {"matching_background.jpg", {800, 600}},
        {"finding_background.jpg", {800, 600}},
        {"tile_face1.jpg", {80, 70}},
        {"tile_face2.jpg", {80, 70}},
        {"flower.gif", {107, 108}},
        {"loading.gif", {32, 32}},
    };
    for (const auto& [name, size] : pictures) {
        EXPECT_EQ(sizeOf(options_.outDir / "pictures" / name), size) << name;
    }
    EXPECT_EQ(readFrames(options_.outDir / "pictures" / "flower.gif").size(), 1u);
    EXPECT_GE(readFrames(options_.outDir / "pictures" / "loading.gif").size(), 4u);
    ASSERT_FALSE(buttonFaces().empty());
    for (const ButtonFace& face : buttonFaces()) {
        EXPECT_EQ(sizeOf(options_.outDir / "buttons" / (face.name + ".jpg")),
                  QSize(face.width, face.height))
            << face.name;
    }
}

TEST_F(RenderedBook, DrawsAgainOnlyWhatChanged) {
    const fs::path page2 = drawingCache(options_) / "pages" / "page02.jpg";
    const fs::path page4 = drawingCache(options_) / "pages" / "page04.jpg";
    const auto page4Time = fs::last_write_time(page4);
    const std::string page2Bytes = readFile(page2);

    // An emptied output folder is filled again from the cache.
    fs::remove_all(options_.outDir);
    book_.spreads[0].items[1].english = "Where is he from?";
    std::string error;
    ASSERT_TRUE(renderPictures(book_, options_, error)) << error;

    EXPECT_EQ(fs::last_write_time(page4), page4Time);
    EXPECT_NE(readFile(page2), page2Bytes);
    EXPECT_EQ(readFile(options_.outDir / "pages" / "page02.jpg"), readFile(page2));
    EXPECT_EQ(readFile(options_.outDir / "pages" / "page04.jpg"), readFile(page4));
    EXPECT_TRUE(fs::exists(options_.outDir / "pictures" / "drill_background.jpg"));
}

// The key beside every picture of a cache, by picture.
std::map<std::string, std::string> keysIn(const fs::path& cache) {
    std::map<std::string, std::string> keys;
    for (const auto& entry : fs::recursive_directory_iterator(cache)) {
        if (entry.path().extension() == ".sha1") {
            keys[fs::relative(entry.path(), cache).string()] = readFile(entry.path());
        }
    }
    return keys;
}

TEST_F(RenderedBook, KeysEveryPictureOnWhatDrawsIt) {
    const std::map<std::string, std::string> first = keysIn(drawingCache(options_));
    ASSERT_EQ(first.size(), 4 + 13 + buttonFaces().size());
    std::string error;
    PictureOptions same = options_;
    same.cacheDir = root_ / "same-cache";
    ASSERT_TRUE(renderPictures(book_, same, error)) << error;
    EXPECT_EQ(keysIn(drawingCache(same)), first);

    PictureOptions other = options_;
    other.cacheDir = root_ / "other-cache";
    other.drawing = identity("maker B");
    ASSERT_TRUE(renderPictures(book_, other, error)) << error;
    const std::map<std::string, std::string> second = keysIn(drawingCache(other));
    ASSERT_EQ(second.size(), first.size());
    for (const auto& [picture, key] : first) {
        EXPECT_NE(second.at(picture), key) << picture;
    }

    // Without it the key would say nothing of the drawing; and it names a
    // folder of the cache, so it must be a digest and not a path.
    for (const std::string drawing : {"", "../elsewhere"}) {
        other.drawing = drawing;
        error.clear();
        EXPECT_FALSE(renderPictures(book_, other, error)) << drawing;
        EXPECT_NE(error.find("what draws"), std::string::npos) << error;
    }
    EXPECT_FALSE(fs::exists(root_ / "elsewhere"));
}

TEST_F(RenderedBook, DrawsAgainWhatOtherDrawingCodeLeftInTheCache) {
    // Page 4 as other drawing code would have left it, under the same key.
    const fs::path page4 = drawingCache(options_) / "pages" / "page04.jpg";
    const std::string drawn = readFile(page4);
    fs::copy_file(drawingCache(options_) / "pages" / "page02.jpg", page4,
                  fs::copy_options::overwrite_existing);
    const std::string stale = readFile(page4);
    std::string error;
    ASSERT_TRUE(renderPictures(book_, options_, error)) << error;
    // Compared as a whole: a failure should not print the pictures.
    ASSERT_TRUE(readFile(options_.outDir / "pages" / "page04.jpg") == stale)
        << "the same drawing identity trusts the cache";

    options_.drawing = identity("maker B");
    ASSERT_TRUE(renderPictures(book_, options_, error)) << error;
    EXPECT_TRUE(readFile(drawingCache(options_) / "pages" / "page04.jpg") == drawn);
    EXPECT_TRUE(readFile(options_.outDir / "pages" / "page04.jpg") == drawn);
}

// When each file of a folder was last written, by file.
std::map<std::string, fs::file_time_type> writeTimesIn(const fs::path& folder) {
    std::map<std::string, fs::file_time_type> times;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            times[fs::relative(entry.path(), folder).string()] = entry.last_write_time();
        }
    }
    return times;
}

TEST_F(RenderedBook, KeepsThePicturesOfTheDrawingIdentitiesUsedLast) {
    // Two builds whose makers differ take turns on one cache.
    PictureOptions b = options_;
    b.drawing = identity("maker B");
    std::string error;
    ASSERT_TRUE(renderPictures(book_, b, error)) << error;
    const auto aTimes = writeTimesIn(drawingCache(options_));
    const auto bTimes = writeTimesIn(drawingCache(b));
    ASSERT_EQ(aTimes.size(), 2 * (4 + 13 + buttonFaces().size()));
    ASSERT_EQ(bTimes.size(), aTimes.size());
    for (const PictureOptions& turn : {options_, b}) {
        ASSERT_TRUE(renderPictures(book_, turn, error)) << error;
    }
    EXPECT_EQ(writeTimesIn(drawingCache(options_)), aTimes) << "maker A drew again";
    EXPECT_EQ(writeTimesIn(drawingCache(b)), bTimes) << "maker B drew again";
    EXPECT_TRUE(readFile(options_.outDir / "pages" / "page02.jpg") ==
                readFile(drawingCache(b) / "pages" / "page02.jpg"));

    // Used in the order B, C, A, D: B, used longest ago, makes way for D.
    PictureOptions c = options_;
    c.drawing = identity("maker C");
    PictureOptions d = options_;
    d.drawing = identity("maker D");
    for (const PictureOptions& turn : {c, options_, d}) {
        ASSERT_TRUE(renderPictures(book_, turn, error)) << error;
    }
    EXPECT_FALSE(fs::exists(drawingCache(b)));
    for (const PictureOptions& kept : {options_, c, d}) {
        EXPECT_EQ(writeTimesIn(drawingCache(kept)).size(), aTimes.size()) << kept.drawing;
    }
    EXPECT_EQ(writeTimesIn(drawingCache(options_)), aTimes) << "maker A drew again";
}

TEST(DrawingIdentity, FollowsTheProgramsBytesAndEveryFileItDrawsWith) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path program = fs::path(dir.path().toStdString()) / "maker";
    const fs::path font = fs::path(dir.path().toStdString()) / "face.ttf";
    const auto when = fs::file_time_type::clock::now() - std::chrono::hours(24);
    const auto write = [when](const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        fs::last_write_time(file, when);
    };
    const auto reset = [&] {
        write(program, "drawing code 1");
        write(font, "glyphs");
    };
    std::string error;
    reset();
    const std::string first = drawingIdentity(program, {font}, error);
    ASSERT_FALSE(first.empty()) << error;

    const struct {
        const char* why;
        std::function<void()> change;
    } cases[] = {
        {"a byte of the program, at the same size and time",
         [&] { write(program, "drawing code 2"); }},
        {"the font's size", [&] { write(font, "glyphs and more"); }},
        {"the font's time", [&] { fs::last_write_time(font, when + std::chrono::seconds(1)); }},
        {"the font gone", [&] { fs::remove(font); }},
    };
    for (const auto& c : cases) {
        reset();
        ASSERT_EQ(drawingIdentity(program, {font}, error), first) << c.why;
        c.change();
        EXPECT_NE(drawingIdentity(program, {font}, error), first) << c.why;
    }
    reset();
    EXPECT_NE(drawingIdentity(program, {}, error), first) << "a file fewer";

    fs::remove(program);
    EXPECT_EQ(drawingIdentity(program, {font}, error), "");
    EXPECT_NE(error.find(program.string()), std::string::npos) << error;
}

TEST(DrawingIdentity, CountsTheLibrariesAndFontsThisProgramDrawsWith) {
    const std::vector<fs::path> files = filesDrawnWith();
    const auto has = [&files](const std::string& start) {
        return std::any_of(files.begin(), files.end(), [&start](const fs::path& file) {
            return file.filename().string().starts_with(start);
        });
    };
    EXPECT_TRUE(has("libQt6Gui.so"));
    EXPECT_TRUE(has("libqjpeg")) << "the JPEG writer";
    EXPECT_TRUE(has("Andika-Regular")) << "the face the book is printed in";
    EXPECT_TRUE(has("NotoColorEmoji"));
}

TEST_F(RenderedBook, TwoMakersSharingOneCacheBothWriteEveryPicture) {
    // Two builds may draw the same book into one cache at the same time.
    const fs::path cache = root_ / "shared-cache";
    std::string errors[2];
    bool drawn[2] = {};
    {
        const std::jthread other([&] {
            drawn[1] = renderPictures(book_, {root_ / "out1", cache, options_.drawing}, errors[1]);
        });
        drawn[0] = renderPictures(book_, {root_ / "out0", cache, options_.drawing}, errors[0]);
    }
    ASSERT_TRUE(drawn[0]) << errors[0];
    ASSERT_TRUE(drawn[1]) << errors[1];
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(options_.outDir)) {
        if (entry.is_regular_file()) {
            const fs::path name = fs::relative(entry.path(), options_.outDir);
            // Compared as a whole: a failure should not print the pictures.
            EXPECT_TRUE(readFile(root_ / "out0" / name) == readFile(entry.path())) << name;
            EXPECT_TRUE(readFile(root_ / "out1" / name) == readFile(entry.path())) << name;
            ++files;
        }
    }
    EXPECT_GT(files, 20);
}

TEST_F(RenderedBook, DrawsContactSheetsOfEverySpread) {
    const fs::path sheets = root_ / "sheets";
    std::string error;
    ASSERT_TRUE(renderContactSheet(book_, page70_, options_.outDir / "pages", sheets, error))
        << error;
    const QSize size = sizeOf(sheets / "sheet1.png");
    EXPECT_GT(size.width(), 1200);
    EXPECT_FALSE(fs::exists(sheets / "sheet2.png"));

    fs::remove(options_.outDir / "pages" / "page04.jpg");
    EXPECT_FALSE(renderContactSheet(book_, page70_, options_.outDir / "pages", sheets, error));
    EXPECT_NE(error.find("page04.jpg"), std::string::npos) << error;
}

} // namespace
