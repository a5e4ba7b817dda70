// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The book maker's reading of content/data, on a small book of two spreads.
#include "book_source.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace bookmaker;

const fs::path kFixture = fs::path(TEST_DATA_DIR) / "book";

// A writable copy of the fixture book.
class BookCopy {
  public:
    BookCopy() { fs::copy(kFixture, root(), fs::copy_options::recursive); }
    fs::path root() const { return fs::path(dir_.path().toStdString()) / "data"; }
    void write(const std::string& file, const std::string& text) const {
        std::ofstream(root() / file, std::ios::binary | std::ios::trunc) << text;
    }
    void append(const std::string& file, const std::string& text) const {
        std::ofstream(root() / file, std::ios::binary | std::ios::app) << text;
    }

  private:
    QTemporaryDir dir_;
};

TEST(BookSource, ReadsEverySourceOfTheFixture) {
    std::string error;
    const auto book = readBookSource(kFixture, error);
    ASSERT_TRUE(book) << error;
    ASSERT_EQ(book->spreads.size(), 2u);

    const Spread& p02 = book->spreads[0];
    EXPECT_EQ(p02.bookPage, 2);
    EXPECT_FALSE(p02.finalLineBreak);
    ASSERT_EQ(p02.items.size(), 5u);
    EXPECT_EQ(p02.items[0].kind, ItemKind::Heading);
    EXPECT_EQ(p02.items[0].rect.left, 176);
    EXPECT_EQ(p02.items[0].rect.height, 48);
    // The English line, spoken by the narrator unless the layout names a voice.
    ASSERT_EQ(p02.items[0].speech.size(), 1u);
    EXPECT_EQ(p02.items[0].speech[0].voice, "narrator");
    EXPECT_EQ(p02.items[0].speech[0].text, "Unit 1 Hello");
    EXPECT_EQ(p02.items[2].speech[0].voice, "Ben");
    EXPECT_EQ(p02.items[2].speech[0].text, "Hi, I'm Ben.");
    EXPECT_EQ(p02.items[1].kind, ItemKind::Word);
    EXPECT_EQ(p02.items[1].emoji, "👦");
    EXPECT_EQ(p02.items[1].clip.kind, ClipSource::Kind::Word);
    EXPECT_EQ(p02.items[1].clip.unit, 1);
    EXPECT_EQ(p02.items[1].clip.index, 1);
    EXPECT_TRUE(p02.items[1].speech.empty());
    EXPECT_EQ(p02.items[4].clip.kind, ClipSource::Kind::Item);
    EXPECT_EQ(p02.items[4].clip.index, 2);

    const Item& listening = p02.items[3];
    EXPECT_EQ(listening.english, "$");
    EXPECT_EQ(listening.chinese, "$");
    EXPECT_EQ(listening.print, "Listen and number. / 1 2");
    const std::vector<std::pair<std::string, std::string>> parts = {{"narrator", "Number one."},
                                                                    {"Ben", "I'm a boy."},
                                                                    {"Miss_Li", "Good!"},
                                                                    {"Miss_Li", "Say \"boy\"."}};
    ASSERT_EQ(listening.speech.size(), parts.size());
    for (std::size_t k = 0; k < parts.size(); ++k) {
        EXPECT_EQ(listening.speech[k].voice, parts[k].first) << k;
        EXPECT_EQ(listening.speech[k].text, parts[k].second) << k;
    }

    ASSERT_EQ(p02.decorations.size(), 3u);
    EXPECT_EQ(p02.decorations[0].kind, DecorationKind::Art);
    EXPECT_EQ(p02.decorations[0].rect.width, 40);
    EXPECT_EQ(p02.decorations[0].rect.height, 40);
    EXPECT_EQ(p02.decorations[1].colour, "#eef6e4");
    EXPECT_EQ(p02.decorations[2].print, "Page two");

    const Spread& p12 = book->spreads[1];
    EXPECT_TRUE(p12.finalLineBreak);
    ASSERT_EQ(p12.items.size(), 2u);
    ASSERT_EQ(p12.extraClip.size(), 2u);
    EXPECT_EQ(p12.extraClip[1].voice, "Ben");
    EXPECT_EQ(p12.extraClip[1].text, "Good morning!");
}

TEST(BookSource, ReadsWordsPage74BoxesAndTexts) {
    std::string error;
    const auto book = readBookSource(kFixture, error);
    ASSERT_TRUE(book) << error;

    const auto& words = book->units.at(1);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[2].english, "long");
    EXPECT_EQ(words[2].meaning, "长的；长久（指时间）");
    EXPECT_TRUE(words[0].hasClip);
    EXPECT_FALSE(words[2].hasClip);

    ASSERT_EQ(book->page74.size(), 3u);
    EXPECT_EQ(book->page74[2].number, 26);
    EXPECT_EQ(book->page74[2].clip, 1);
    EXPECT_EQ(book->page74[1].chinese, "请坐。");
    ASSERT_EQ(book->page74[1].speech.size(), 1u);
    EXPECT_EQ(book->page74[1].speech[0].voice, "Miss_Li");
    EXPECT_EQ(book->page74[1].speech[0].text, "Sit down, please.");
    EXPECT_EQ(book->page74Decorations.size(), 1u);

    ASSERT_EQ(book->answerBoxes.size(), 3u);
    EXPECT_EQ(book->answerBoxes[0].kind, AnswerBox::Kind::Tick);
    EXPECT_EQ(book->answerBoxes[0].unit, "选择框打钩2_1");
    EXPECT_EQ(book->answerBoxes[1].answer, "4");
    EXPECT_EQ(book->answerBoxes[2].kind, AnswerBox::Kind::Listen);
    EXPECT_EQ(book->answerBoxes[2].rect.left, 30);

    EXPECT_EQ(book->texts.at("help_about"), "第一行\n第二行 \\ 完");
    EXPECT_EQ(book->texts.at("link_url"), "https://example.invalid/");
    EXPECT_EQ(book->voices.at("Miss_Li"), "woman");
}

TEST(BookSource, SaysWhatIsMissingFromTheWholeBook) {
    std::string error;
    const auto book = readBookSource(kFixture, error);
    ASSERT_TRUE(book) << error;
    EXPECT_FALSE(checkBookComplete(*book, error));
    EXPECT_NE(error.find("pages/p04.txt"), std::string::npos) << error;
    EXPECT_NE(error.find("words/unit6.txt"), std::string::npos) << error;
    EXPECT_EQ(error.find("pages/p02.txt"), std::string::npos) << error;
    EXPECT_EQ(error.find("book.txt"), std::string::npos) << error;
}

struct Fault {
    const char* file;
    const char* text; // replaces the file, or is appended to it with append
    bool append;
    const char* message; // part of the error, with the file and line
};

const Fault kFaults[] = {
    {"layout/p02.txt", "item 1 heading 176 72 164 48\n", false,
     "layout/p02.txt: 1 item lines, but the text list has 5 items"},
    {"layout/p02.txt", "item 6 line 10 10 50 20\n", true, "layout/p02.txt:10: no item 6"},
    {"layout/p02.txt", "item 3 line 10 10 50 20\n", true, "layout/p02.txt:10: item 3 placed twice"},
    {"layout/p12.txt", "item 1 banner 176 70 156 35\n", false,
     "layout/p12.txt:1: unknown item kind \"banner\""},
    {"layout/p12.txt", "image 1 2 3\n", false, "layout/p12.txt:1: unknown line kind \"image\""},
    {"layout/p02.txt", "item 4 block 20 300 260 120 print=\"1 2\"\n", false,
     "layout/p02.txt:1: a \"$\" item needs say= and print="},
    {"layout/p12.txt", "item 2 line 20 120 200 30 voice=Lily\n", false,
     "layout/p12.txt:1: voice=Lily is not in voices.txt"},
    {"layout/p12.txt", "item 2 line 20 120 200 30 say=\"Hi / \"\n", false,
     "layout/p12.txt:1: say= has an empty part"},
    {"layout/p12.txt", "item 2 line 20 120 200 30 say=\"Hi\n", false,
     "layout/p12.txt:1: unterminated quote"},
    {"layout/p12.txt", "item 2 line 20 120 200 30 colour=#fff\n", false,
     "layout/p12.txt:1: unknown key colour="},
    {"layout/p12.txt", "item 2 line 20 120 0 30\n", false, "layout/p12.txt:1: empty rectangle"},
    {"layout/p12.txt", "item 2 line 20 120 wide 30\n", false,
     "layout/p12.txt:1: \"wide\" is not a number"},
    {"layout/p12.txt", "item 2 word 20 120 80 90 clip=word:1:1\n", false,
     "layout/p12.txt:1: a word item needs emoji="},
    {"layout/p12.txt", "item 2 word 20 120 80 90 drawn=art clip=word:1:1\n", false,
     "layout/p12.txt:1: drawn=art is for a picture item without emoji="},
    {"layout/p12.txt", "item 2 picture 20 120 80 90 drawn=art emoji=\"⚽\"\n", false,
     "layout/p12.txt:1: drawn=art is for a picture item without emoji="},
    {"layout/p12.txt", "item 2 picture 20 120 80 90 drawn=yes\n", false,
     "layout/p12.txt:1: drawn=art is for a picture item without emoji="},
    {"layout/p02.txt", "panel 410 10 380 500 scene=moon\n", true,
     "layout/p02.txt:10: scene= is one of classroom, home, zoo, park"},
    {"layout/p02.txt", "text 420 480 200 20 print=\"Zoo\" scene=zoo\n", true,
     "layout/p02.txt:10: unknown key scene="},
    {"layout/p12.txt", "item 1 heading 176 70 156 35\nitem 2 line 20 120 80 90 clip=word:1:3\n",
     false, "layout/p12.txt:2: unit 1 has no word clip 3"},
    {"layout/p12.txt", "item 1 heading 176 70 156 35\nitem 2 line 20 120 80 90 clip=word:1:9\n",
     false, "layout/p12.txt:2: unit 1 has no word clip 9"},
    {"layout/p12.txt", "item 2 line 20 120 80 90 clip=item:2\n", false, "names the item itself"},
    {"layout/p12.txt",
     "item 1 line 10 10 50 20 clip=item:2\nitem 2 line 20 120 80 90 clip=item:1\n", false,
     "layout/p12.txt: item 1: clip=item:2 leads to no recording"},
    {"layout/p12.txt", "item 2 line 20 120 80 90 clip=item:2:3\n", false,
     "expected clip=word:<unit>:<word> or clip=item:<k>"},
    {"layout/p12.txt", "item 2 line 20 120 80 90 clip=word:1:1 voice=Ben\n", false,
     "layout/p12.txt:1: clip= shares a recording"},
    {"layout/p12.txt", "clip 4 say=\"Hello.\"\n", true,
     "layout/p12.txt:4: expected one line clip <n>"},
    {"layout/p02.txt", "clip 7 say=\"Hello.\"\n", true,
     "layout/p02.txt:10: clip 7: the extra clip follows the 5 items"},
    {"pages/p12.txt", "Let's talk\n我们来说一说\nGood morning!\n", false,
     "pages/p12.txt: 3 lines: every item needs an English and a Chinese line"},
    {"pages/p12.txt", "Let's talk\n我们来说一说\nGood morning!\n$\n", false,
     "pages/p12.txt:3: item 2: \"$\" must stand on both its lines"},
    {"pages/p12.txt", "Let's talk\n我们来说一说\nIt costs $5.\n五元。\n", false,
     "pages/p12.txt:3: \"$\" inside a longer line"},
    {"pages/p12.txt", "Let's talk \n我们来说一说\nGood morning!\n早上好！\n", false,
     "pages/p12.txt:1: line ends with a space"},
    {"pages/p12.txt", "Let's talk\n\nGood morning!\n早上好！\n", false,
     "pages/p12.txt:2: empty line"},
    {"pages/p12.txt", "Let’s talk\n我们来说一说\nGood morning!\n早上好！\n", false,
     "pages/p12.txt:1: the English line is not plain ASCII"},
    {"pages/p12.txt", "Let's talk\n\xE6\x88\x91\xFF\nGood morning!\n早上好！\n", false,
     "pages/p12.txt:2: not UTF-8"},
    {"words/unit1.txt", "boy\n男孩\ngirl\n", false,
     "words/unit1.txt:3: a word without its meaning"},
    {"words/unit1.txt", "ice cream\n冰淇淋\n", false,
     "words/unit1.txt:1: \"ice cream\" is not a word of 2-11 letters"},
    {"words/unit1.txt", "boy\n男孩\n#noclip 2\n", false,
     "words/unit1.txt:3: expected #noclip <word number>"},
    {"page74.txt", "27 50 92 103 22 clip=1 say=\"Sit.\" print=\"Sit.\" zh=\"坐。\"\n", true,
     "page74.txt:6: clip=1 says something else on another hotspot"},
    {"page74.txt", "26 50 92 103 22 clip=3 say=\"Sit.\" print=\"Sit.\" zh=\"坐。\"\n", true,
     "page74.txt:6: hotspot 26 given twice"},
    {"page74.txt", "3 50 92 103 22 clip=4 say=\"Sit.\" print=\"Sit.\"\n", true,
     "page74.txt:6: needs zh="},
    {"answer_boxes.txt", "tick 选择框打钩2_2 2 56 101 15 16 maybe\n", true,
     "answer_boxes.txt:5: expected tick|write|listen"},
    {"book.txt", "link_url = https://example.invalid/again\n", true,
     "book.txt:8: link_url given twice"},
    {"voices.txt", "Ben girl\n", true, "voices.txt:5: voice Ben given twice"},
};

TEST(BookSource, RefusesMalformedSourcesSayingWhere) {
    for (const Fault& fault : kFaults) {
        BookCopy copy;
        if (fault.append) {
            copy.append(fault.file, fault.text);
        } else {
            copy.write(fault.file, fault.text);
        }
        std::string error;
        EXPECT_FALSE(readBookSource(copy.root(), error)) << fault.message;
        EXPECT_NE(error.find(fault.message), std::string::npos)
            << "expected: " << fault.message << "\n got: " << error;
    }
}

TEST(BookSource, APageTextNeedsItsLayout) {
    BookCopy copy;
    fs::remove(copy.root() / "layout/p12.txt");
    std::string error;
    EXPECT_FALSE(readBookSource(copy.root(), error));
    EXPECT_NE(error.find("layout/p12.txt: missing"), std::string::npos) << error;
}

TEST(BookSource, ReadsScenesAndPicturesDrawnByTheArt) {
    BookCopy copy;
    copy.write("layout/p12.txt", "item 1 heading 176 70 156 35\n"
                                 "panel 10 120 300 100 scene=zoo\n"
                                 "art 20 120 100 emoji=\"draw:box in ⚽\"\n"
                                 "item 2 picture 40 128 50 30 drawn=art\n"
                                 "clip 3 say=\"Hi.\"\n");
    std::string error;
    const auto book = readBookSource(copy.root(), error);
    ASSERT_TRUE(book) << error;
    const Spread& p12 = book->spreads[1];
    EXPECT_FALSE(p12.items[0].drawnByArt);
    EXPECT_TRUE(p12.items[1].drawnByArt);
    EXPECT_TRUE(p12.items[1].emoji.empty());
    ASSERT_EQ(p12.decorations.size(), 2u);
    EXPECT_EQ(p12.decorations[0].scene, "zoo");
    EXPECT_EQ(p12.decorations[1].emoji, "draw:box in ⚽");
}

TEST(BookSource, LayoutItemLinesMayComeInAnyOrder) {
    BookCopy copy;
    copy.write("layout/p12.txt", "item 2 line 20 120 200 30\nitem 1 heading 176 70 156 35\n"
                                 "clip 3 say=\"Hi.\"\n");
    std::string error;
    const auto book = readBookSource(copy.root(), error);
    ASSERT_TRUE(book) << error;
    EXPECT_EQ(book->spreads[1].items[0].kind, ItemKind::Heading);
    EXPECT_EQ(book->spreads[1].items[1].rect.left, 20);
}

} // namespace
