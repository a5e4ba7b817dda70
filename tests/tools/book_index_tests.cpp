// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's recording list, text lists, index and resource packing, on the
// small fixture book.
#include "book_index.h"
#include "maker_files.h"
#include "text.h"

#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace bookmaker;

const fs::path kFixture = fs::path(TEST_DATA_DIR) / "book";

BookSource fixtureBook() {
    std::string error;
    auto book = readBookSource(kFixture, error);
    EXPECT_TRUE(book) << error;
    return book.value_or(BookSource());
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(BookPlan, MakesEachSharedRecordingOnce) {
    const BookSource book = fixtureBook();
    const auto order = page70Order(book);
    std::string error;
    const auto plan = planRecordings(book, order, error);
    ASSERT_TRUE(plan) << error;

    ASSERT_EQ(plan->pageClips.size(), 2u);
    const std::vector<std::string> p02 = {"p02_01", "u1_w01", "p02_03", "p02_04", "u1_w01"};
    EXPECT_EQ(plan->pageClips[0], p02);
    const std::vector<std::string> p12 = {"p12_01", "p12_02", "p12_03"};
    EXPECT_EQ(plan->pageClips[1], p12);
    // Word 3 of unit 1 has no clip.
    const std::vector<std::string> unit1 = {"u1_w01", "u1_w02"};
    EXPECT_EQ(plan->wordClips.at(1), unit1);
    EXPECT_EQ(plan->page70Clips, unit1);
    const std::vector<std::string> p74 = {"p74_c01", "p74_c02", "p74_c01"};
    EXPECT_EQ(plan->page74Clips, p74);

    std::set<std::string> made;
    for (const Recording& recording : plan->recordings) {
        EXPECT_TRUE(made.insert(recording.id).second) << recording.id << " made twice";
        EXPECT_EQ(recording.format, ClipFormat::Adpcm);
        EXPECT_FALSE(recording.parts.empty()) << recording.id;
    }
    const std::set<std::string> expected = {"u1_w01", "u1_w02", "p02_01", "p02_03",  "p02_04",
                                            "p12_01", "p12_02", "p12_03", "p74_c01", "p74_c02"};
    EXPECT_EQ(made, expected);
    for (const Recording& recording : plan->recordings) {
        if (recording.id == "p12_02") {
            EXPECT_EQ(recording.parts[0].voice, "Miss_Li");
            EXPECT_EQ(recording.parts[0].text, "Good morning!");
        }
        if (recording.id == "u1_w02") {
            EXPECT_EQ(recording.parts[0].voice, "narrator");
            EXPECT_EQ(recording.parts[0].text, "girl");
        }
    }
}

TEST(BookPlan, ItemsSayingTheSameShareOneRecording) {
    BookSource book = fixtureBook();
    Spread& p12 = book.spreads[1];
    // Ben says on page 12 what he says on page 2; the narrator reads a word
    // of the word list.
    p12.items[0].speech = book.spreads[0].items[2].speech;
    p12.items[1].speech = {{"narrator", "girl"}};
    std::string error;
    const auto plan = planRecordings(book, page70Order(book), error);
    ASSERT_TRUE(plan) << error;
    const std::vector<std::string> shared = {"p02_03", "u1_w02", "p12_03"};
    EXPECT_EQ(plan->pageClips[1], shared);
    for (const Recording& recording : plan->recordings) {
        EXPECT_NE(recording.id, "p12_01");
        EXPECT_NE(recording.id, "p12_02");
    }
    // The same words in another voice are another recording.
    p12.items[0].speech[0].voice = "Miss_Li";
    const auto apart = planRecordings(book, page70Order(book), error);
    ASSERT_TRUE(apart) << error;
    EXPECT_EQ(apart->pageClips[1][0], "p12_01");
}

TEST(BookPlan, WordsAndListeningAreSpokenSlowerThanTalk) {
    const BookSource book = fixtureBook();
    std::string error;
    const auto plan = planRecordings(book, page70Order(book), error);
    ASSERT_TRUE(plan) << error;
    const std::map<std::string, Pace> expected = {
        {"u1_w01", Pace::Word},      {"u1_w02", Pace::Word}, {"p02_03", Pace::Talk},
        {"p02_04", Pace::Listening}, {"p12_02", Pace::Talk}, {"p74_c02", Pace::Talk},
    };
    std::map<std::string, Pace> paces;
    for (const Recording& recording : plan->recordings) {
        paces[recording.id] = recording.pace;
    }
    for (const auto& [id, pace] : expected) {
        ASSERT_TRUE(paces.contains(id)) << id;
        EXPECT_EQ(paces.at(id), pace) << id;
    }
}

TEST(BookPlan, ClipIndexSaysWhoSpeaksEveryLine) {
    const BookSource book = fixtureBook();
    std::string error;
    const auto plan = planRecordings(book, page70Order(book), error);
    ASSERT_TRUE(plan) << error;
    std::string index;
    ASSERT_TRUE(writeClipIndex(plan->recordings, book.voices, index, error)) << error;
    const std::vector<std::string> rows = linesOf(index);
    // The listening exercise: one row a spoken line, in the engine voice of its
    // speaker; a speaker goes on over " / " until the next one.
    for (const char* row :
         {"p02_04\tlistening\tnarrator\tnarrator\tNumber one.",
          "p02_04\tlistening\tBen\tboy\tI'm a boy.", "p02_04\tlistening\tMiss_Li\twoman\tGood!",
          "p02_04\tlistening\tMiss_Li\twoman\tSay \"boy\".",
          "u1_w02\tword\tnarrator\tnarrator\tgirl",
          "p74_c02\ttalk\tMiss_Li\twoman\tSit down, please."}) {
        EXPECT_TRUE(hasLine(rows, row)) << row << "\nin:\n" << index;
    }
    std::set<std::string> clips;
    for (const std::string& row : rows) {
        EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 4) << row;
        clips.insert(row.substr(0, row.find('\t')));
    }
    EXPECT_EQ(clips.size(), plan->recordings.size()) << "every clip says something";

    // A speaker voices.txt does not know is refused, naming the clip.
    std::vector<Recording> unknown = plan->recordings;
    unknown[0].parts[0].voice = "Nobody";
    EXPECT_FALSE(writeClipIndex(unknown, book.voices, index, error));
    EXPECT_NE(error.find(unknown[0].id), std::string::npos) << error;
}

TEST(BookPlan, Page70FollowsTheUnitsInTheReadersOrder) {
    BookSource book;
    const std::vector<int> sizes = {15, 12, 12, 12, 9, 12};
    for (int unit = 1; unit <= 6; ++unit) {
        book.units[unit].resize(
            static_cast<std::size_t>(sizes[static_cast<std::size_t>(unit - 1)]));
    }
    book.units[3][4].hasClip = false;
    const auto order = page70Order(book);
    ASSERT_EQ(order.size(), 71u);
    // hotspot -> unit, word: the starts of the runs, and unit 3 stepping over word 5.
    const std::vector<std::array<int, 3>> rows = {
        {1, 1, 1},   {15, 1, 15}, {16, 2, 1}, {27, 2, 12}, {28, 3, 1}, {32, 3, 6},
        {38, 3, 12}, {39, 4, 1},  {42, 4, 4}, {43, 5, 1},  {44, 5, 2}, {45, 4, 5},
        {52, 4, 12}, {53, 5, 3},  {59, 5, 9}, {60, 6, 1},  {71, 6, 12}};
    for (const auto& [hotspot, unit, word] : rows) {
        EXPECT_EQ(order[static_cast<std::size_t>(hotspot - 1)].unit, unit) << hotspot;
        EXPECT_EQ(order[static_cast<std::size_t>(hotspot - 1)].word, word) << hotspot;
    }

    auto swapped = order;
    std::swap(swapped[38], swapped[42]);
    std::string error;
    EXPECT_FALSE(planRecordings(book, swapped, error));
    EXPECT_NE(error.find("page 70 hotspot 39 is unit 5 word 1"), std::string::npos) << error;
    EXPECT_FALSE(planRecordings(book, {}, error));
    EXPECT_NE(error.find("page 70 lays out 0 words, not 71"), std::string::npos) << error;
}

class Catalogue : public ::testing::Test {
  protected:
    void SetUp() override {
        book = fixtureBook();
        page70 = page70Order(book);
        page70[1].rect = {200, 90, 120, 13};
        std::string error;
        plan = *planRecordings(book, page70, error);
        fs::create_directories(stage() / "pictures");
        fs::create_directories(stage() / "pages");
        std::ofstream(stage() / "pictures" / "cover.jpg") << "jpeg";
        std::ofstream(stage() / "pages" / "page74.jpg") << "jpeg";
        std::ofstream(stage() / "pages" / "page02.jpg") << "jpeg";
    }
    fs::path stage() const { return fs::path(dir.path().toStdString()) / "stage"; }

    QTemporaryDir dir;
    BookSource book;
    std::vector<WordListEntry> page70;
    BookPlan plan;
};

TEST_F(Catalogue, WritesGbkListsWithCrLf) {
    std::string error;
    ASSERT_TRUE(writeCatalogue(book, plan, page70, {"praise1"}, stage(), error)) << error;
    EXPECT_EQ(readFile(stage() / "text/p02.txt"),
              tk::toGbk("Unit 1 Hello\r\n第一单元　你好\r\nboy\r\n男孩\r\nHi, I'm Ben.\r\n"
                        "你好，我是本。\r\n$\r\n$\r\nboy\r\n男孩"));
    // Book page 12's list keeps its final line break.
    EXPECT_EQ(readFile(stage() / "text/p12.txt"),
              tk::toGbk("Let's talk\r\n我们来说一说\r\nGood morning!\r\n早上好！\r\n"));
    EXPECT_EQ(readFile(stage() / "text/unit1.txt"),
              tk::toGbk("boy\r\n男孩\r\ngirl\r\n女孩\r\nlong\r\n长的；长久（指时间）"));
    EXPECT_EQ(readFile(stage() / "text/book_help_about.txt"), tk::toGbk("第一行\n第二行 \\ 完"));
}

TEST_F(Catalogue, IndexesPagesUnitsHotspotsAndRoles) {
    std::string error;
    ASSERT_TRUE(writeCatalogue(book, plan, page70, {"praise1", "music"}, stage(), error)) << error;
    const auto lines = linesOf(readFile(stage() / "index.txt"));
    const std::vector<std::string> expected = {
        "pagetext 0 text/p02.txt",
        "pageclips 0 clips/p02_01.wav clips/u1_w01.wav clips/p02_03.wav clips/p02_04.wav "
        "clips/u1_w01.wav",
        "hotspots 0 176 72 164 48 20 130 80 90 110 130 200 40 20 300 260 120 420 40 100 24",
        "pagetext 5 text/p12.txt",
        "pageclips 5 clips/p12_01.wav clips/p12_02.wav clips/p12_03.wav",
        "wordtext 1 text/unit1.txt",
        "wordclips 1 clips/u1_w01.wav clips/u1_w02.wav",
        "page70 2 200 90 120 13 clips/u1_w02.wav",
        "page74 26 450 122 117 22 clips/p74_c01.wav",
        "box tick 选择框打钩2_1 2 56 101 15 16 yes",
        "box listen 图片框听录音s2_1 2 30 310 20 20 4",
        "effect music effects/music.wav",
        "picture cover pictures/cover.jpg",
        "pagepicture 0 pages/page02.jpg",
        "pagepicture 35 pages/page74.jpg",
        "booktext link_url text/book_link_url.txt",
    };
    for (const std::string& line : expected) {
        EXPECT_TRUE(hasLine(lines, line)) << "missing: " << line;
    }
}

TEST_F(Catalogue, RefusesTextWithoutGbk) {
    book.spreads[0].items[2].chinese = "你好 😀";
    std::string error;
    EXPECT_FALSE(writeCatalogue(book, plan, page70, {}, stage(), error));
    EXPECT_NE(error.find("pages/p02.txt:6: not all of it is in GBK"), std::string::npos) << error;
}

TEST(ResourcePack, PacksTheStageRepeatablyAndKeepsAnUnchangedFile) {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const fs::path stage = root / "stage";
    fs::create_directories(stage / "clips");
    std::ofstream(stage / "index.txt") << "pagetext 0 text/p02.txt\n";
    std::ofstream(stage / "clips" / "p02_01.wav", std::ios::binary) << std::string(5000, 'x');
    std::string error;
    ASSERT_TRUE(packResource(stage, root / "out" / "book.rcc", error)) << error;
    const std::string first = readFile(root / "out" / "book.rcc");
    const auto written = fs::last_write_time(root / "out" / "book.rcc");

    // Newer file dates alone change nothing, and the file is not rewritten.
    fs::last_write_time(stage / "index.txt", written + std::chrono::hours(1));
    ASSERT_TRUE(packResource(stage, root / "out" / "book.rcc", error)) << error;
    EXPECT_EQ(fs::last_write_time(root / "out" / "book.rcc"), written);
    EXPECT_EQ(readFile(root / "out" / "book.rcc"), first);

    ASSERT_TRUE(QResource::registerResource(
        QString::fromStdString((root / "out/book.rcc").string()), "/packtest"));
    QFile clip(":/packtest/book/clips/p02_01.wav");
    ASSERT_TRUE(clip.open(QIODevice::ReadOnly));
    EXPECT_EQ(clip.readAll(), QByteArray(5000, 'x'));
    const QResource resource(":/packtest/book/clips/p02_01.wav");
    EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression);
    clip.close();
    QResource::unregisterResource(QString::fromStdString((root / "out/book.rcc").string()),
                                  "/packtest");

    std::ofstream(stage / "index.txt") << "changed\n";
    ASSERT_TRUE(packResource(stage, root / "out" / "book.rcc", error)) << error;
    EXPECT_NE(readFile(root / "out" / "book.rcc"), first);
}

} // namespace
