// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The word spelling window on real widgets: the window as defined, whole
// units spelled, letter clicks, redo, the answer, skipping, the switches,
// the unit list, the summary with its two endings and the report after it.
#include "games/spelling/spelling_logic.h"
#include "spelling_fixture.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>
#include <set>

using spelling_tests::sorted;
using spelling_tests::SpellingTest;
using tk::operator""_gbk;
using Call = testing_ground::RecordingSound::Call;

namespace {

using namespace spelling;

const tk::UnitDef* definitionOf(const tk::WindowDef& def, std::string_view name) {
    for (const tk::UnitDef& unit : def.units) {
        if (unit.name == name) {
            return &unit;
        }
    }
    return nullptr;
}

TEST_F(SpellingTest, TheWindowAsDefined) {
    EXPECT_EQ(window->geometry(), QRect(50, 50, 800, 600));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    const tk::UnitRef background = unit(kBackground);
    EXPECT_EQ(background.kind(), tk::Kind::PicBox);
    EXPECT_EQ(background.widget()->geometry(), QRect(0, 0, 800, 600));

    const tk::WindowDef def = spellingWindow(errors);
    struct Row {
        const char* name;
        tk::Kind kind;
        QRect rect;
        const char* face;
        int size;
        int colour;
        bool visible;
        const char* caption;
    };
    const int black = tk::Rgb(0, 0, 0);
    const int white = tk::Rgb(255, 255, 255);
    const Row rows[] = {
        {kInstructions,
         tk::Kind::TransLabel,
         {60, 16, 744, 56},
         "黑体",
         30,
         black,
         true,
         "请根据下面给出的字母组合正确的单词"},
        {kMeaning,
         tk::Kind::TransLabel,
         {112, 117, 516, 56},
         "黑体",
         30,
         tk::Rgb(0, 96, 192),
         true,
         ""},
        {kResult,
         tk::Kind::TransLabel,
         {104, 285, 528, 64},
         "宋体",
         20,
         black,
         true,
         "点击上面的字母看我有什么变化哦"},
        {kUnitList, tk::Kind::ComboBox, {32, 508, 96, 26}, "楷体_GB2312", 15, white, true, ""},
        {kShowMeaning,
         tk::Kind::CheckBox,
         {139, 512, 135, 24},
         "楷体_GB2312",
         15,
         white,
         true,
         "单词翻译关"},
        {kPronunciation,
         tk::Kind::CheckBox,
         {285, 511, 89, 24},
         "楷体_GB2312",
         15,
         white,
         true,
         "读音关"},
        {kRedo,
         tk::Kind::SuperBtn,
         {383, 495, 64, 40},
         "楷体_GB2312",
         14,
         tk::kNoColour,
         false,
         "重做"},
        {kListenAgain,
         tk::Kind::SuperBtn,
         {454, 495, 90, 40},
         "楷体_GB2312",
         14,
         tk::kNoColour,
         true,
         "再听一遍"},
        {kNextWord,
         tk::Kind::SuperBtn,
         {551, 495, 64, 40},
         "楷体_GB2312",
         14,
         tk::kNoColour,
         true,
         "下一题"},
        {kAnswer,
         tk::Kind::SuperBtn,
         {622, 495, 64, 40},
         "楷体_GB2312",
         14,
         tk::kNoColour,
         true,
         "答案"},
        {kBack,
         tk::Kind::SuperBtn,
         {696, 495, 64, 40},
         "楷体_GB2312",
         14,
         tk::kNoColour,
         true,
         "返回"},
    };
    for (const Row& row : rows) {
        const tk::UnitDef* d = definitionOf(def, row.name);
        ASSERT_NE(d, nullptr) << row.name;
        const tk::UnitRef u = unit(row.name);
        EXPECT_EQ(u.kind(), row.kind) << row.name;
        EXPECT_EQ(d->container, kBackground) << row.name;
        EXPECT_EQ(u.widget()->parentWidget(), background.widget()) << row.name;
        EXPECT_EQ(u.widget()->geometry(), row.rect) << row.name;
        EXPECT_EQ(d->font.face, row.face) << row.name;
        EXPECT_EQ(d->font.size, row.size) << row.name;
        EXPECT_EQ(d->textColor, row.colour) << row.name;
        EXPECT_EQ(d->visible, row.visible) << row.name;
        EXPECT_EQ(d->caption, row.caption) << row.name;
    }
    for (const char* name : {kUnitList, kShowMeaning, kPronunciation}) {
        EXPECT_EQ(definitionOf(def, name)->backgroundColor, tk::Rgb(0, 255, 0)) << name;
    }
    EXPECT_TRUE(unit(kShowMeaning).checked());
    EXPECT_TRUE(unit(kPronunciation).checked());
    const tk::UnitRef units = unit(kUnitList);
    ASSERT_EQ(units.itemCount(), 6);
    EXPECT_EQ(units.currentIndex(), 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tk::ItemText(units, i), "Unit " + std::to_string(i + 1));
        EXPECT_EQ(tk::ItemData(units, i), i + 1);
    }

    // The cells, found by their names' beginning, come left to right.
    const int lefts[] = {33, 82, 131, 180, 229, 278, 327, 376, 425, 474, 523, 572, 621, 670, 721};
    const tk::UnitArray row = cells();
    ASSERT_EQ(row.size(), 15U);
    for (int position = 1; position <= 15; ++position) {
        const tk::UnitRef c = row[static_cast<std::size_t>(position - 1)];
        const std::string name = "透明标签_字母" + std::to_string(16 - position);
        EXPECT_EQ(c.name(), name);
        EXPECT_EQ(c.kind(), tk::Kind::TransLabel);
        // Centred on the 40-pixel band from 192, and at least as tall.
        const QRect rect = c.widget()->geometry();
        EXPECT_EQ(rect.left(), lefts[position - 1]) << name;
        EXPECT_EQ(rect.width(), 40) << name;
        EXPECT_GE(rect.height(), 40) << name;
        EXPECT_LE(std::abs(rect.top() + rect.height() / 2 - 212), 1) << name;
        EXPECT_EQ(c.widget()->parentWidget(), background.widget()) << name;
        EXPECT_EQ(c.widget()->cursor().shape(), Qt::PointingHandCursor) << name;
        const tk::UnitDef* d = definitionOf(def, name);
        ASSERT_NE(d, nullptr) << name;
        EXPECT_FALSE(d->visible) << name;
        EXPECT_EQ(d->font.face, "黑体") << name;
        EXPECT_EQ(d->font.size, 30) << name;
        EXPECT_EQ(d->textColor, black) << name;
    }
}

// Rows of a widget's picture that hold dark ink.
int inkRows(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128 && std::max({c.red(), c.green(), c.blue()}) < 100) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// Tails and tops alike: a letter in a cell shows as whole as it does on a
// label with room to spare.
TEST_F(SpellingTest, EveryLetterShowsWholeInItsCell) {
    tk::UnitRef c = cell(1);
    c.setVisible(true);
    tk::WindowDef def;
    tk::UnitDef label = tk::unitDef("标签", tk::Kind::TransLabel, {0, 0, 120, 160});
    label.font = c.font();
    label.textColor = tk::Rgb(0, 0, 0);
    def.units = {label};
    const auto reference = tk::CreateWindow(def);
    tk::UnitRef shown = reference->unit("标签");
    for (char letter : std::string("gjpqyQbdfhklt")) {
        c.setCaption(tk::Text(1, letter));
        shown.setCaption(tk::Text(1, letter));
        EXPECT_EQ(inkRows(c.widget()), inkRows(shown.widget())) << letter;
        EXPECT_GT(inkRows(c.widget()), 10) << letter;
    }
}

TEST_F(SpellingTest, TheBackgroundIsPaintedAtTheWindowsSize) {
    auto* box = unit(kBackground).widget();
    const QImage shown = box->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(800, 600));
    QImage picture = QImage::fromData(content::picture(content::PictureRole::MatchingBackground));
    ASSERT_FALSE(picture.isNull());
    picture = picture.scaled(800, 600);
    // Points far from every unit show the picture.
    for (const QPoint at : {QPoint(790, 5), QPoint(5, 590), QPoint(400, 460)}) {
        const QColor a = shown.pixelColor(at);
        const QColor b = picture.pixelColor(at);
        EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                      std::abs(a.blue() - b.blue()),
                  24)
            << at.x() << "," << at.y();
    }
}

TEST_F(SpellingTest, OpeningAsksAWordOfUnitOneWithItsLettersOnTheLeftmostCells) {
    const int k = askedNumber();
    ASSERT_NE(k, 0) << "no word of unit 1 is asked";
    const spelling_tests::UnitWords lists = chosen();
    const tk::Text word = lists.words[static_cast<std::size_t>(k - 1)];
    EXPECT_EQ(ground.sound.played(), std::vector<tk::Clip>{lists.clips[k - 1]});
    EXPECT_TRUE(unit(kMeaning).visible());
    EXPECT_EQ(shownCells(), static_cast<int>(word.size()));
    for (int position = 1; position <= 15; ++position) {
        const tk::UnitRef c = cell(position);
        EXPECT_EQ(c.visible(), position <= static_cast<int>(word.size())) << position;
        EXPECT_FALSE(c.disabled()) << position;
        EXPECT_EQ(c.font().size, 30) << position;
    }
    EXPECT_FALSE(unit(kRedo).visible());
    EXPECT_EQ(testing_ground::captionOf(unit(kResult)), "点击上面的字母看我有什么变化哦");
    EXPECT_EQ(unit(kResult).font().size, 20);
}

struct RoundCase {
    int unit;
    int words;
};

class WholeUnitTest : public SpellingTest, public ::testing::WithParamInterface<RoundCase> {};

// Every word is asked once, with its clip, and each one spelled right
// cheers; with no misses the summary keeps it up and no report opens.
TEST_P(WholeUnitTest, EveryWordIsAskedOnceAndAllRightEndsWithoutAReport) {
    const RoundCase c = GetParam();
    if (c.unit != 1) {
        chooseUnit(c.unit);
    }
    const spelling_tests::UnitWords lists = chosen();
    ASSERT_EQ(static_cast<int>(lists.words.size()), c.words);
    std::set<int> asked;
    for (int question = 1; question <= c.words; ++question) {
        const int k = askedNumber();
        ASSERT_NE(k, 0) << "question " << question;
        EXPECT_TRUE(asked.insert(k).second) << "word " << k << " asked twice";
        // Heard as it was asked: after the cheer for the word before.
        const std::vector<tk::Clip> heard = ground.sound.played();
        const tk::Clip clip = spelling::clipAt(lists.clips, k);
        if (clip.empty()) {
            for (const tk::Clip& wordClip : lists.clips) {
                EXPECT_EQ(std::count(heard.begin(), heard.end(), wordClip), 0) << "word " << k;
            }
        } else {
            ASSERT_FALSE(heard.empty()) << "word " << k;
            EXPECT_EQ(heard.back(), clip) << "word " << k;
        }
        ground.sound.forget();
        clickUnit(kListenAgain);
        EXPECT_EQ(ground.sound.played(),
                  clip.empty() ? std::vector<tk::Clip>{} : std::vector<tk::Clip>{clip})
            << "word " << k;
        ground.sound.forget();
        const tk::Text word = askedWord();
        spellRight();
        const std::vector<tk::Clip> played = ground.sound.played();
        ASSERT_GE(played.size(), word.size() + 1);
        EXPECT_EQ(played[word.size()], effect(content::Effect::Cheer)) << word;
        EXPECT_EQ(ground.sound.stops(), 0) << "the cheer and the next word are heard together";
    }
    EXPECT_EQ(static_cast<int>(asked.size()), c.words);
    EXPECT_TRUE(errors.empty());
    ASSERT_FALSE(ground.platform.messages.empty());
    const auto& summary = ground.platform.messages.back();
    EXPECT_EQ(summary.content, "本课共" + std::to_string(c.words) + "个单词,错误0个。继续保持哦！");
    EXPECT_EQ(summary.caption, "错误情况");
    EXPECT_EQ(summary.flags, tk::kOkOnly);
    EXPECT_TRUE(reports.empty()) << "a report opened with no misses";
    // The last word's cells stay, all clicked.
    EXPECT_GT(shownCells(), 0);
    for (const tk::UnitRef& shown : cells()) {
        EXPECT_TRUE(!shown.visible() || shown.disabled());
    }
}

// Unit 3's twelfth word has no clip: it is asked and judged like the others.
INSTANTIATE_TEST_SUITE_P(Units, WholeUnitTest,
                         ::testing::Values(RoundCase{1, 15}, RoundCase{3, 12}, RoundCase{5, 9}));

TEST_F(SpellingTest, AClickedLetterTurnsGreyAndSmallAndCannotBeClickedAgain) {
    const tk::Text word = askedWord();
    ASSERT_GE(word.size(), 2U);
    ground.sound.forget();
    clickLetters(word.substr(0, 1));
    const tk::UnitArray row = cells();
    const auto clicked =
        std::find_if(row.begin(), row.end(), [](const tk::UnitRef& c) { return c.disabled(); });
    ASSERT_NE(clicked, row.end());
    const tk::UnitRef grey = *clicked;
    EXPECT_EQ(grey.textColor(), tk::Rgb(192, 192, 192));
    EXPECT_EQ(grey.font().size, 20);
    EXPECT_EQ(grey.tag(), "2");
    EXPECT_TRUE(grey.visible());
    EXPECT_EQ(unit(kResult).caption(), word.substr(0, 1));
    EXPECT_EQ(unit(kResult).font().size, 30);
    EXPECT_TRUE(unit(kRedo).visible());
    EXPECT_EQ(ground.sound.calls(),
              (std::vector<Call>{{Call::What::Play, effect(content::Effect::LetterClick)}}));

    // Clicked again where the child sees it: nothing happens.
    const QPoint centre = grey.widget()->mapTo(window.get(), grey.widget()->rect().center());
    testing_ground::clickAt(*window, centre);
    EXPECT_EQ(unit(kResult).caption(), word.substr(0, 1));
    EXPECT_EQ(ground.sound.calls().size(), 1U);
    // The rest of the word still spells it.
    clickLetters(word.substr(1));
    EXPECT_EQ(ground.sound.played()[word.size()], effect(content::Effect::Cheer));
    EXPECT_TRUE(errors.empty());
}

TEST_F(SpellingTest, AMisspelledWordBuzzesIsRecordedAndTheNextWordComes) {
    const tk::Text word = askedWord();
    const tk::Text meaning = askedMeaning();
    const tk::Text wrong = misspelling();
    ASSERT_NE(wrong, word);
    ground.sound.forget();
    clickLetters(wrong);
    const std::vector<tk::Clip> played = ground.sound.played();
    ASSERT_GT(played.size(), word.size());
    EXPECT_EQ(played[word.size()], effect(content::Effect::Buzz1));
    EXPECT_EQ(errors, (tk::TextArray{word, meaning}));
    EXPECT_NE(askedNumber(), 0);
    EXPECT_NE(askedWord(), word);
    EXPECT_EQ(unit(kResult).caption(), "");
    EXPECT_FALSE(unit(kRedo).visible());
    for (const tk::UnitRef& c : cells()) {
        EXPECT_FALSE(c.disabled());
        EXPECT_EQ(c.font().size, 30);
        EXPECT_EQ(c.textColor(), tk::Rgb(0, 0, 0));
    }
}

// The answer shows the word; letters clicked after it add to it, so the
// word is wrong unless redo comes first.
TEST_F(SpellingTest, TheAnswerHalfWayMakesTheWordWrongUnlessRedone) {
    struct Case {
        const char* what;
        int lettersBefore; // clicked before the answer
        bool redo;
        bool right;
    };
    const Case cases[] = {
        {"answer after a letter", 1, false, false},
        {"answer after two letters", 2, false, false},
        {"answer after a letter, then redo", 1, true, true},
        {"answer before any letter", 0, false, true},
        {"answer before any letter, then redo", 0, true, true},
    };
    for (const Case& c : cases) {
        skipWordsShorterThan(static_cast<std::size_t>(c.lettersBefore) + 1);
        const tk::Text word = askedWord();
        const tk::Text meaning = askedMeaning();
        clickLetters(word.substr(0, static_cast<std::size_t>(c.lettersBefore)));
        clickUnit(kAnswer);
        EXPECT_EQ(unit(kResult).caption(), word) << c.what;
        if (c.redo) {
            clickUnit(kRedo);
            EXPECT_EQ(unit(kResult).caption(), "") << c.what;
        }
        errors.clear();
        ground.sound.forget();
        clickLetters(word.substr(c.redo ? 0 : static_cast<std::size_t>(c.lettersBefore)));
        const std::vector<tk::Clip> played = ground.sound.played();
        ASSERT_FALSE(played.empty()) << c.what;
        const std::size_t clicks = word.size() - (c.redo ? 0 : c.lettersBefore);
        ASSERT_GT(played.size(), clicks) << c.what;
        EXPECT_EQ(played[clicks], effect(c.right ? content::Effect::Cheer : content::Effect::Buzz1))
            << c.what;
        EXPECT_EQ(errors, c.right ? tk::TextArray{} : (tk::TextArray{word, meaning})) << c.what;
        EXPECT_NE(askedWord(), word) << c.what << ": the word was not left";
    }
}

TEST_F(SpellingTest, RedoGivesTheClickedCellsBackAndLeavesTheHiddenOnesHidden) {
    skipWordsShorterThan(3);
    errors.clear();
    const tk::Text word = askedWord();
    clickLetters(word.substr(0, 2));
    const tk::UnitArray row = cells();
    EXPECT_EQ(
        std::count_if(row.begin(), row.end(), [](const tk::UnitRef& c) { return c.disabled(); }),
        2);
    clickUnit(kRedo);
    for (int position = 1; position <= 15; ++position) {
        const tk::UnitRef c = cell(position);
        EXPECT_FALSE(c.disabled()) << position;
        EXPECT_EQ(c.font().size, 30) << position;
        EXPECT_EQ(c.textColor(), tk::Rgb(0, 0, 0)) << position;
        EXPECT_EQ(c.visible(), position <= static_cast<int>(word.size())) << position;
    }
    EXPECT_EQ(unit(kResult).caption(), "");
    // The clicks start again from none: the whole word now spells it.
    ground.sound.forget();
    spellRight();
    EXPECT_EQ(ground.sound.played()[word.size()], effect(content::Effect::Cheer));
    EXPECT_TRUE(errors.empty());
}

// Skipping counts as a miss; on the last word it is recorded and the
// summary follows, with the report; after it, the last word once more.
TEST_F(SpellingTest, NextWordOnTheLastWordRecordsItAndShowsTheSummary) {
    chooseUnit(5);
    for (int question = 1; question < 9; ++question) {
        spellRight();
    }
    const tk::Text last = askedWord();
    const tk::Text meaning = askedMeaning();
    ASSERT_FALSE(last.empty());
    clickLetters(last.substr(0, 1));
    ground.sound.forget();
    clickUnit(kNextWord);
    EXPECT_EQ(ground.sound.calls().front().what, Call::What::Stop);
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_EQ(messages().back(), "本课共9个单词,错误1个。继续努力哦！");
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports.back(), last + "\r\n" + meaning + "\r\n");
    EXPECT_EQ(reportErrorsBeforeClose.back(), 2U);
    EXPECT_TRUE(errors.empty()) << "the report's close empties the list";
    EXPECT_EQ(unit(kResult).caption(), "");
    EXPECT_FALSE(unit(kRedo).visible());
    // The last word's cells stay as they were.
    EXPECT_EQ(sorted(shownLetters()), sorted(last));

    clickUnit(kNextWord);
    ASSERT_EQ(messages().size(), 2U);
    EXPECT_EQ(messages().back(), "本课共9个单词,错误1个。继续努力哦！");
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports.back(), last + "\r\n" + meaning + "\r\n");
}

// Ten misses, some misspelled and some skipped, make twenty lines in the
// report, word above meaning in the order missed; the next report starts
// from an empty list.
TEST_F(SpellingTest, TenMissesGiveTwentyLinesAndTheNextRoundStartsAfresh) {
    chooseUnit(2);
    tk::Text expected;
    for (int question = 1; question <= 12; ++question) {
        if (question > 10) {
            spellRight();
            continue;
        }
        expected += askedWord() + "\r\n" + askedMeaning() + "\r\n";
        if (question % 2 == 0) {
            clickUnit(kNextWord);
        } else {
            spellWrong();
        }
    }
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_EQ(messages().back(), "本课共12个单词,错误10个。继续努力哦！");
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports.back(), expected);
    EXPECT_EQ(tk::SplitText(reports.back(), "\r\n").size(), 20U);
    EXPECT_TRUE(errors.empty());

    chooseUnit(4);
    const tk::Text missed = askedWord() + "\r\n" + askedMeaning() + "\r\n";
    clickUnit(kNextWord);
    for (int question = 2; question <= 12; ++question) {
        spellRight();
    }
    ASSERT_EQ(messages().size(), 2U);
    EXPECT_EQ(messages().back(), "本课共12个单词,错误1个。继续努力哦！");
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports.back(), missed);
}

TEST_F(SpellingTest, CapitalisedWordsAreJudgedCaseSensitively) {
    tk::TextArray missed;
    int capitals = 0;
    for (int question = 1; question <= 15; ++question) {
        const tk::Text word = askedWord();
        ASSERT_FALSE(word.empty());
        const bool capital = word.front() >= 'A' && word.front() <= 'Z';
        capitals += capital ? 1 : 0;
        if (capital && missed.empty()) {
            // Its letters in order, but the capital last.
            missed = {word, askedMeaning()};
            clickLetters(word.substr(1) + word.front());
        } else {
            spellRight();
        }
    }
    EXPECT_EQ(capitals, 4);
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports.back(), missed[0] + "\r\n" + missed[1] + "\r\n");
}

TEST_F(SpellingTest, TheMeaningSwitchHidesTheMeaningForEveryFollowingWord) {
    tk::UnitRef box = unit(kShowMeaning);
    testing_ground::click(box);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(testing_ground::captionOf(box), "单词翻译开");
    EXPECT_FALSE(unit(kMeaning).visible());
    for (int question = 1; question <= 2; ++question) {
        spellRight();
        EXPECT_FALSE(unit(kMeaning).visible()) << question;
        EXPECT_EQ(unit(kMeaning).caption(), askedMeaning()) << "the caption is kept up";
    }
    testing_ground::click(box);
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(testing_ground::captionOf(box), "单词翻译关");
    EXPECT_TRUE(unit(kMeaning).visible());
    spellRight();
    EXPECT_TRUE(unit(kMeaning).visible());
}

// Off, no word is heard, not even again; the letter click, the cheer and
// the buzz still are. Its caption never changes here.
TEST_F(SpellingTest, ThePronunciationSwitchSilencesTheWordsAlone) {
    tk::UnitRef box = unit(kPronunciation);
    testing_ground::click(box);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(testing_ground::captionOf(box), "读音关");
    const spelling_tests::UnitWords lists = chosen();
    const auto wordClipsHeard = [&] {
        int heard = 0;
        for (const tk::Clip& clip : ground.sound.played()) {
            heard += std::count(lists.clips.begin(), lists.clips.end(), clip) > 0 ? 1 : 0;
        }
        return heard;
    };
    ground.sound.forget();
    clickUnit(kListenAgain);
    spellRight();
    spellWrong();
    clickUnit(kListenAgain);
    EXPECT_EQ(wordClipsHeard(), 0);
    const std::vector<tk::Clip> played = ground.sound.played();
    for (content::Effect heard :
         {content::Effect::LetterClick, content::Effect::Cheer, content::Effect::Buzz1}) {
        EXPECT_NE(std::find(played.begin(), played.end(), effect(heard)), played.end());
    }

    testing_ground::click(box);
    EXPECT_TRUE(box.checked());
    ground.sound.forget();
    clickUnit(kListenAgain);
    EXPECT_EQ(ground.sound.played(),
              std::vector<tk::Clip>{lists.clips[static_cast<std::size_t>(askedNumber() - 1)]});
}

// A new unit stops the sound and asks its words afresh; the misses stay
// and count in its summary.
TEST_F(SpellingTest, ChoosingAUnitStartsItAfreshAndKeepsTheMisses) {
    const tk::Text word = askedWord();
    const tk::Text meaning = askedMeaning();
    clickUnit(kNextWord);
    spellRight();
    ground.sound.forget();
    chooseUnit(6);
    ASSERT_FALSE(ground.sound.calls().empty());
    EXPECT_EQ(ground.sound.calls().front().what, Call::What::Stop);
    EXPECT_NE(askedNumber(), 0) << "no word of unit 6 is asked";
    EXPECT_EQ(errors, (tk::TextArray{word, meaning}));
    for (int question = 1; question <= 12; ++question) {
        spellRight();
    }
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_EQ(messages().back(), "本课共12个单词,错误1个。继续努力哦！");
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports.back(), word + "\r\n" + meaning + "\r\n");
}

TEST_F(SpellingTest, BackClosesTheWindowAndLetsTheSoundPlayOn) {
    clickUnit(kNextWord);
    ground.sound.forget();
    clickUnit(kBack);
    testing_ground::settle();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ground.sound.stops(), 0);
    EXPECT_EQ(errors.size(), 2U) << "a miss outlives the window";
}

// A unit list that holds no words opens without a question: nothing to
// click, to hear or to miss.
TEST_F(SpellingTest, AUnitWithoutWordsOpensWithoutAQuestion) {
    tk::WindowDef def = spellingWindow(errors);
    for (tk::UnitDef& u : def.units) {
        if (u.name == kUnitList) {
            u.items = {{"Unit 7", 7}};
        }
    }
    ground.platform.insideNextWindow.clear();
    ground.sound.forget();
    open(def);
    EXPECT_EQ(shownCells(), 0);
    EXPECT_EQ(unit(kMeaning).caption(), "");
    EXPECT_EQ(messages(), std::vector<std::string>{"本课共0个单词,错误0个。继续保持哦！"});
    clickUnit(kListenAgain);
    clickUnit(kAnswer);
    EXPECT_EQ(unit(kResult).caption(), "");
    clickUnit(kNextWord);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(ground.sound.played().empty());
    EXPECT_EQ(messages().size(), 2U);
    EXPECT_TRUE(reports.empty());
}

TEST_F(SpellingTest, OpenSpellingShowsTheWindowModalOverTheReaderUntilItIsLeft) {
    ground.platform.insideNextWindow.clear();
    tk::WindowDef readerDef;
    readerDef.name = "阅读窗口";
    const auto reader = tk::CreateWindow(readerDef);
    bool seen = false;
    ground.platform.insideNextWindow.push_back([&](tk::Window& game) {
        seen = true;
        EXPECT_EQ(game.name(), "单词排序");
        EXPECT_TRUE(game.isModal());
        EXPECT_EQ(game.parentWidget(), reader.get());
        EXPECT_TRUE(game.isVisible());
        testing_ground::click(game.unit(kNextWord));
        testing_ground::click(game.unit(kBack));
    });
    tk::TextArray programErrors = {"boy", "男孩"_gbk};
    openSpelling(*reader, programErrors);
    EXPECT_TRUE(seen);
    ASSERT_EQ(programErrors.size(), 4U) << "the skipped word went to the program's list";
    EXPECT_EQ(programErrors[0], "boy");
}

} // namespace
