// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The book maker: reads content/data and writes the book the program carries.
//   bookmaker <dataDir> <outDir> <cacheDir>       writes <outDir>/book.rcc
//   bookmaker --contact-sheet <dataDir> <pagesDir> <sheetDir>
//   bookmaker --clip-index <dataDir>              what every clip says, on stdout
#include "book_index.h"
#include "book_source.h"
#include "pictures.h"
#include "recordings.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace bookmaker;

int failed(const std::string& error) {
    std::fprintf(stderr, "bookmaker: %s\n", error.c_str());
    return 1;
}

// Reports how long each step took, so a slow build shows where.
class Steps {
  public:
    Steps() {
        total_.start();
        step_.start();
    }
    void done(const char* what) {
        std::printf("bookmaker: %-10s %6.1f s\n", what,
                    static_cast<double>(step_.restart()) / 1000);
        std::fflush(stdout);
    }
    void finish() {
        std::printf("bookmaker: %-10s %6.1f s\n", "total",
                    static_cast<double>(total_.elapsed()) / 1000);
    }

  private:
    QElapsedTimer total_;
    QElapsedTimer step_;
};

std::optional<BookSource> readWholeBook(const fs::path& dataDir, std::string& error) {
    auto book = readBookSource(dataDir, error);
    if (book && !checkBookComplete(*book, error)) {
        return std::nullopt;
    }
    return book;
}

int makeBook(const fs::path& dataDir, const fs::path& outDir, const fs::path& cacheDir) {
    Steps steps;
    std::string error;
    const auto book = readWholeBook(dataDir, error);
    if (!book) {
        return failed(error);
    }
    const std::vector<WordListEntry> page70 = layoutPage70(*book);
    const auto plan = planRecordings(*book, page70, error);
    if (!plan) {
        return failed(error);
    }
    // The stage holds exactly this run's files: everything in it is packed.
    const fs::path stage = outDir / "stage";
    fs::remove_all(stage);
    fs::create_directories(stage);
    steps.done("sources");
    // This very program draws the pictures: its bytes stand for the drawing code.
    const std::string drawing = drawingIdentity(
        QCoreApplication::applicationFilePath().toStdString(), filesDrawnWith(), error);
    if (drawing.empty() || !renderPictures(*book, {stage, cacheDir / "pictures", drawing}, error)) {
        return failed(error);
    }
    steps.done("pictures");
    const AudioOptions clips{dataDir, cacheDir / "recordings", stage / "clips", 2};
    if (!makeRecordings(plan->recordings, book->voices, clips, error)) {
        return failed(error);
    }
    steps.done("recordings");
    std::vector<std::string> roles;
    AudioOptions effects = clips;
    effects.outDir = stage / "effects";
    if (!makeEffects(effects, roles, error)) {
        return failed(error);
    }
    steps.done("effects");
    if (!writeCatalogue(*book, *plan, page70, roles, stage, error) ||
        !packResource(stage, outDir / "book.rcc", error)) {
        return failed(error);
    }
    steps.done("packing");
    steps.finish();
    return 0;
}

int makeContactSheet(const fs::path& dataDir, const fs::path& pagesDir, const fs::path& sheetDir) {
    std::string error;
    const auto book = readWholeBook(dataDir, error);
    if (!book) {
        return failed(error);
    }
    fs::create_directories(sheetDir);
    if (!renderContactSheet(*book, layoutPage70(*book), pagesDir, sheetDir, error)) {
        return failed(error);
    }
    std::printf("bookmaker: contact sheets in %s\n", sheetDir.c_str());
    return 0;
}

int printClipIndex(const fs::path& dataDir) {
    std::string error;
    const auto book = readWholeBook(dataDir, error);
    if (!book) {
        return failed(error);
    }
    const auto plan = planRecordings(*book, layoutPage70(*book), error);
    std::string index;
    if (!plan || !writeClipIndex(plan->recordings, book->voices, index, error)) {
        return failed(error);
    }
    std::fwrite(index.data(), 1, index.size(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Text is drawn with real fonts, but no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const auto path = [&](int k) { return fs::path(args[k].toStdString()); };
    if (args.size() == 5 && args[1] == "--contact-sheet") {
        return makeContactSheet(path(2), path(3), path(4));
    }
    if (args.size() == 3 && args[1] == "--clip-index") {
        return printClipIndex(path(2));
    }
    if (args.size() == 4 && !args[1].startsWith("-")) {
        return makeBook(path(1), path(2), path(3));
    }
    std::fprintf(stderr, "usage: bookmaker <dataDir> <outDir> <cacheDir>\n"
                         "       bookmaker --contact-sheet <dataDir> <pagesDir> <sheetDir>\n"
                         "       bookmaker --clip-index <dataDir>\n");
    return 2;
}
