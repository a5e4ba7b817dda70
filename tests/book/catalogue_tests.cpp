// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Lookups of the compiled-in book: shared data, bounds, button faces, texts.
#include "book_shape.h"
#include "text.h"

#include <QDir>
#include <QImage>

namespace {

using namespace book_shape;
using content::BookText;
using content::Effect;
using content::PictureRole;

using Catalogue = Book;

TEST_F(Catalogue, LookupsOutsideTheirRangeAreEmpty) {
    EXPECT_TRUE(content::pageTextList(-1).empty());
    EXPECT_TRUE(content::pageTextList(content::kLessonPages).empty());
    EXPECT_TRUE(content::wordList(0).empty());
    EXPECT_TRUE(content::wordList(7).empty());
    EXPECT_TRUE(content::pageClips(-1).empty());
    EXPECT_TRUE(content::pageClips(content::kLessonPages).empty());
    EXPECT_TRUE(content::wordClips(0).empty());
    EXPECT_TRUE(content::wordClips(7).empty());
    EXPECT_TRUE(content::pageHotspots(-1).empty());
    EXPECT_TRUE(content::pageHotspots(content::kBookPages).empty());
    EXPECT_TRUE(content::pagePicture(-1).isEmpty());
    EXPECT_TRUE(content::pagePicture(content::kBookPages).isEmpty());
    EXPECT_TRUE(content::effect(static_cast<Effect>(-1)).empty());
    EXPECT_TRUE(content::effect(static_cast<Effect>(99)).empty());
    EXPECT_TRUE(content::picture(static_cast<PictureRole>(99)).isEmpty());
    EXPECT_TRUE(content::buttonFace("no such button").isEmpty());
    EXPECT_TRUE(content::bookText(static_cast<BookText>(99)).empty());
    // and inside them, nothing is missing
    EXPECT_FALSE(content::pageTextList(0).empty());
    EXPECT_FALSE(content::wordList(6).empty());
    EXPECT_FALSE(content::pagePicture(content::kBookPages - 1).isEmpty());
}

TEST_F(Catalogue, DataStaysInTheCompiledBook) {
    // A second load changes nothing, and every lookup points at the same bytes.
    const tk::Clip clip = content::pageClips(0).front();
    const char* picture = content::pagePicture(0).constData();
    content::loadBook();
    EXPECT_EQ(content::pageClips(0).front(), clip);
    EXPECT_EQ(content::pagePicture(0).constData(), picture);
    EXPECT_EQ(content::pageTextList(0).data(), content::pageTextList(0).data());
    // Word cards on the pages share the word lists' recordings.
    int shared = 0;
    for (int unit = 1; unit <= 6; ++unit) {
        for (const tk::Clip& word : content::wordClips(unit)) {
            bool onPage = false;
            for (int page = 0; page < content::kLessonPages; ++page) {
                const auto& clips = content::pageClips(page);
                onPage = onPage || std::find(clips.begin(), clips.end(), word) != clips.end();
            }
            shared += onPage ? 1 : 0;
        }
    }
    EXPECT_GE(shared, 12);
}

TEST_F(Catalogue, EveryButtonFaceDecodes) {
    const QStringList files = QDir(":/book/buttons").entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QString name = file.section('.', 0, 0);
        const QImage face = QImage::fromData(content::buttonFace(name.toStdString()));
        EXPECT_FALSE(face.isNull()) << name.toStdString();
        EXPECT_GE(face.width(), 40) << name.toStdString();
        EXPECT_GE(face.height(), 30) << name.toStdString();
    }
}

TEST_F(Catalogue, BookTextsNameThisBook) {
    for (const BookText which : {BookText::StartTitle, BookText::ReaderTitle, BookText::HelpAbout,
                                 BookText::HelpFaq, BookText::LinkText, BookText::LinkUrl}) {
        EXPECT_FALSE(content::bookText(which).empty()) << static_cast<int>(which);
    }
    for (const BookText title : {BookText::StartTitle, BookText::ReaderTitle}) {
        const std::string utf8 = tk::toUtf8(content::bookText(title));
        EXPECT_TRUE(utf8.ends_with("三年级下册点读软件")) << utf8;
        EXPECT_NE(utf8.find("Pellora"), std::string::npos) << utf8;
    }
    EXPECT_TRUE(content::bookText(BookText::LinkUrl).starts_with("http"));
}

} // namespace
