// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The start window on real widgets: its units and texts, what its created
// handler sets, the start button opening the reader, and the program ending
// when the window closes.
#include "catalogue.h"
#include "qtext.h"
#include "start/start_links.h"
#include "start/start_window.h"
#include "support/ground.h"
#include "unit_widgets.h"
#include "window.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace testing_ground;
using tk::Kind;

namespace {

class StartWindowTest : public GroundTest {
  protected:
    void SetUp() override {
        content::loadBook();
        start::setLinks({&lineOffset, {}});
    }

    int lineOffset = 0;
};

TEST_F(StartWindowTest, HoldsItsUnitsWhereTheDesignPutsThem) {
    struct Case {
        const char* name;
        Kind kind;
        tk::Rect rect;
        bool visible;
    };
    const Case cases[] = {
        {"分组框1", Kind::GroupBox, {8, 12, 368, 272}, true},
        {"图片框封皮", Kind::PicBox, {16, 28, 152, 216}, true},
        {"超级按钮_开始学习", Kind::SuperBtn, {200, 200, 100, 40}, true},
        {"画板1", Kind::DrawPanel, {11, 252, 360, 28}, true},
        {"图片框加载", Kind::PicBox, {376, 272, 40, 40}, false},
        {"标签3", Kind::Label, {408, 16, 360, 48}, true},
        {"透明标签_年级1", Kind::TransLabel, {540, 77, 100, 33}, true},
        {"超级编辑框软件说明", Kind::RichEdit, {424, 116, 344, 158}, true},
        {"透明标签_问题", Kind::TransLabel, {548, 296, 112, 33}, true},
        {"超级编辑框常见问题", Kind::RichEdit, {424, 337, 344, 215}, true},
    };
    const auto window = tk::CreateWindow(start::startWindow());
    EXPECT_EQ(window->size(), QSize(800, 600));
    for (const Case& c : cases) {
        const tk::UnitRef unit = window->unit(c.name);
        ASSERT_FALSE(unit.isEmpty()) << c.name;
        EXPECT_EQ(unit.kind(), c.kind) << c.name;
        EXPECT_EQ(unit.left(), c.rect.left) << c.name;
        EXPECT_EQ(unit.top(), c.rect.top) << c.name;
        EXPECT_EQ(unit.width(), c.rect.width) << c.name;
        EXPECT_EQ(unit.height(), c.rect.height) << c.name;
        EXPECT_EQ(unit.visible(), c.visible) << c.name;
        // All of them sit on the window itself.
        EXPECT_EQ(unit.widget()->parentWidget(), window.get()) << c.name;
    }
    EXPECT_EQ(window->unit("时钟_左移").interval(), 50);
    EXPECT_EQ(window->unit("时钟_右移").interval(), 0);
    EXPECT_EQ(window->unit("画板1").widget()->cursor().shape(), Qt::PointingHandCursor);

    const auto* cover = qobject_cast<tk::PictureBox*>(window->unit("图片框封皮").widget());
    ASSERT_NE(cover, nullptr);
    EXPECT_FALSE(cover->image().isNull()) << "no cover picture";
    const auto* loading = qobject_cast<tk::PictureBox*>(window->unit("图片框加载").widget());
    ASSERT_NE(loading, nullptr);
    EXPECT_TRUE(loading->isAnimated()) << "the loading picture is not the animation";
}

TEST_F(StartWindowTest, ShowsTheTitleHeadingsAndHelpTexts) {
    struct Case {
        const char* name;
        std::string shown; // UTF-8
    };
    const auto book = [](content::BookText which) { return tk::toUtf8(content::bookText(which)); };
    const Case cases[] = {
        {"标签3", book(content::BookText::StartTitle)},
        {"透明标签_年级1", "软件说明"},
        {"透明标签_问题", "常见问题"},
    };
    const auto window = tk::CreateWindow(start::startWindow());
    for (const Case& c : cases) {
        ASSERT_FALSE(c.shown.empty()) << c.name;
        EXPECT_EQ(qobject_cast<QLabel*>(window->unit(c.name).widget())->text().toStdString(),
                  c.shown)
            << c.name;
    }
    const struct {
        const char* name;
        content::BookText text;
    } helps[] = {
        {"超级编辑框软件说明", content::BookText::HelpAbout},
        {"超级编辑框常见问题", content::BookText::HelpFaq},
    };
    for (const auto& help : helps) {
        const auto* edit = qobject_cast<QTextEdit*>(window->unit(help.name).widget());
        ASSERT_NE(edit, nullptr) << help.name;
        const tk::Text text = content::bookText(help.text);
        ASSERT_FALSE(text.empty()) << help.name;
        EXPECT_EQ(edit->toPlainText(), tk::toQString(text)) << help.name;
        EXPECT_TRUE(edit->isReadOnly()) << help.name;
    }
    EXPECT_EQ(window->windowTitle().toStdString(), book(content::BookText::StartTitle));
}

TEST_F(StartWindowTest, CreatedHandlerFormatsTheHelpAndPlacesTheStartButton) {
    const auto window = tk::CreateWindow(start::startWindow());
    tk::Font song;
    song.size = 10;
    const QStringList songFamilies = tk::toQFont(song).families();
    for (const char* name : {"超级编辑框软件说明", "超级编辑框常见问题"}) {
        const auto* edit = qobject_cast<QTextEdit*>(window->unit(name).widget());
        ASSERT_NE(edit, nullptr) << name;
        int characters = 0;
        for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                characters += it.fragment().length();
                EXPECT_EQ(format.fontPointSize(), 10) << name;
                EXPECT_EQ(format.foreground().color(), QColor(0, 128, 0)) << name;
                EXPECT_EQ(format.fontFamilies().toStringList(), songFamilies) << name;
            }
        }
        EXPECT_GT(characters, 100) << name;
    }
    const tk::UnitRef button = window->unit("超级按钮_开始学习");
    EXPECT_TRUE(button.visible());
    EXPECT_EQ(button.widget()->geometry(), QRect(200, 200, 100, 40));
}

TEST_F(StartWindowTest, ShowsAndHidesItsLoadingPictureForTheReader) {
    const auto window = tk::CreateWindow(start::startWindow());
    const tk::UnitRef loading = window->unit("图片框加载");
    start::showLoading(true);
    EXPECT_TRUE(loading.visible());
    start::showLoading(false);
    EXPECT_FALSE(loading.visible());
}

TEST_F(StartWindowTest, StartButtonShowsTheLoadingPictureAndAsksForTheReader) {
    int asked = 0;
    bool loadingShownWhenAsked = false;
    const auto window = tk::CreateWindow(start::startWindow());
    start::setLinks({&lineOffset, [&] {
                         ++asked;
                         loadingShownWhenAsked = window->unit("图片框加载").visible();
                     }});
    testing_ground::click(window->unit("超级按钮_开始学习"));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(loadingShownWhenAsked);
}

} // namespace
