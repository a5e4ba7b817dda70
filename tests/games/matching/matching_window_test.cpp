// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The matching window on real widgets and the hand-driven clock: its table,
// the opening deal, boards won and lost, pairs and not-pairs, the hover
// frame, clicks that are not on a tile, difficulty and lesson changes, the
// music and closing.
#include "matching_fixture.h"

#include <QComboBox>
#include <gtest/gtest.h>

using tk::operator""_gbk;

namespace {

using matching_tests::Face;
using matching_tests::MatchingTest;
using matching_tests::unitWords;
using tk::Kind;

class MatchingWindowTest : public MatchingTest {
  protected:
    void SetUp() override {
        MatchingTest::SetUp();
        open();
    }
};

TEST_F(MatchingWindowTest, TheWindowIsDefinedAsTheGameDescribesIt) {
    struct Row {
        const char* name;
        Kind kind;
        tk::Rect rect;
    };
    const Row rows[] = {
        {"画板_底图", Kind::DrawPanel, {0, 0, 800, 600}},
        {"进度条_时间", Kind::ProcessBar, {184, 20, 412, 32}},
        {"选择框_背景音乐", Kind::CheckBox, {321, 550, 135, 24}},
        {"组合框_难易", Kind::ComboBox, {211, 548, 84, 15}},
        {"组合框_背单词课时选择", Kind::ComboBox, {99, 548, 96, 15}},
        {"超级按钮_退出", Kind::SuperBtn, {732, 540, 40, 40}},
    };
    QWidget* board = unit("画板_底图").widget();
    for (const Row& row : rows) {
        const tk::UnitRef u = unit(row.name);
        EXPECT_EQ(u.kind(), row.kind) << row.name;
        EXPECT_EQ((tk::Rect{u.left(), u.top(), u.width(), u.height()}), row.rect) << row.name;
        if (u.widget() != board) {
            EXPECT_EQ(u.widget()->parentWidget(), board) << row.name << " lies on the board";
        }
    }
    EXPECT_EQ(unit("时钟1").kind(), Kind::Timer);
    EXPECT_EQ(window->width(), 800);
    EXPECT_EQ(window->height(), 600);
    EXPECT_EQ(window->pos(), QPoint(50, 50));
    EXPECT_EQ(unit("画板_底图").font().size, 14);

    const auto* difficulty = qobject_cast<QComboBox*>(unit("组合框_难易").widget());
    ASSERT_NE(difficulty, nullptr);
    ASSERT_EQ(difficulty->count(), 3);
    const char* levels[] = {"初级", "中级", "高级"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tk::toUtf8(tk::ItemText(unit("组合框_难易"), i)), levels[i]);
        EXPECT_EQ(tk::ItemData(unit("组合框_难易"), i), i + 1);
    }
    const tk::UnitRef lessons = unit("组合框_背单词课时选择");
    ASSERT_EQ(lessons.itemCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tk::toUtf8(tk::ItemText(lessons, i)), "Unit " + std::to_string(i + 1));
        EXPECT_EQ(tk::ItemData(lessons, i), i + 1);
    }
    EXPECT_EQ(difficulty->currentIndex(), 0);
    EXPECT_EQ(lessons.currentIndex(), 0);
    EXPECT_TRUE(unit("选择框_背景音乐").checked());
    EXPECT_EQ(testing_ground::captionOf(unit("选择框_背景音乐")), "背景音乐关");
    EXPECT_FALSE(unit("超级按钮_退出").picture().isEmpty());
}

TEST_F(MatchingWindowTest, ItOpensOnAFullUnitOneBoardWithTheMusicLoopingAndTheTimeBarRunning) {
    EXPECT_EQ(ground.sound.calls(), (std::vector<testing_ground::RecordingSound::Call>{
                                        {testing_ground::RecordingSound::Call::What::Play,
                                         effect(content::Effect::Music), true}}));
    EXPECT_EQ(barPosition(), 120);
    EXPECT_EQ(interval(), 750);
    EXPECT_EQ(ground.clock.runningTimers(), 1);

    // Unit 1 has 15 words: 12 of them, each word and each meaning on two
    // tiles, meanings without their notes.
    const matching::BoardWords unit1 = unitWords(1);
    ASSERT_EQ(game->board.words.size(), 12u);
    for (std::size_t k = 0; k < 12; ++k) {
        const auto at = std::find(unit1.words.begin(), unit1.words.end(), game->board.words[k]);
        ASSERT_NE(at, unit1.words.end()) << game->board.words[k];
        EXPECT_EQ(game->board.meanings[k], unit1.meanings[at - unit1.words.begin()]);
    }
    EXPECT_EQ(textsShown(), textsOf(game->board));
    for (const matching::Cell& cell : game->cells) {
        EXPECT_EQ(tk::FindText(cell.text, "（"_gbk), -1) << tk::toUtf8(cell.text);
    }
    for (int cell = 1; cell <= matching::kCells; ++cell) {
        const bool meaning = tileOf(cell) > 12;
        EXPECT_EQ(faceAt(cell), meaning ? Face::Meaning : Face::Word) << cell;
        EXPECT_FALSE(cellShowsBackground(cell)) << cell;
        // Around the rounded tile the scenery shows: its white is left out.
        const tk::Rect r = matching::cellRect(cell);
        for (const QPoint at : {QPoint(r.left, r.top), QPoint(r.left + 78, r.top),
                                QPoint(r.left, r.top + 68), QPoint(r.left + 78, r.top + 68),
                                QPoint(r.left + 39, r.top), QPoint(r.left + 39, r.top + 68)}) {
            EXPECT_EQ(pixel(at.x(), at.y()), background.pixel(at))
                << cell << " " << at.x() << "," << at.y();
        }
    }
}

TEST_F(MatchingWindowTest, AWholeBoardWonShowsItsMessageWithTheTimerStoppedThenANewBoard) {
    chooseLesson(2);
    // Unit 2 has exactly 12 words: all of them, in list order.
    EXPECT_EQ(game->board.words, unitWords(2).words);
    ground.clock.advance(30000);
    EXPECT_EQ(barPosition(), 80);

    const std::size_t before = ground.sound.played().size();
    const auto [last, lastPartner] = pairAllButOne();
    ASSERT_NE(last, 0);
    ASSERT_NE(lastPartner, 0);
    EXPECT_EQ(ground.sound.played().size(), before + 46);
    for (int cell = 1; cell <= matching::kCells; ++cell) {
        if (cell != last && cell != lastPartner) {
            EXPECT_TRUE(cellShowsBackground(cell)) << cell;
        }
    }
    int timersDuringMessage = -1;
    int barAfterWaiting = -1;
    ground.platform.whileMessageShown = [&] {
        timersDuringMessage = ground.clock.runningTimers();
        // A slow reader: the time bar waits.
        ground.clock.advance(120000);
        barAfterWaiting = barPosition();
    };
    clickCell(last);
    clickCell(lastPartner);
    EXPECT_EQ(messages(), std::vector<std::string>{kWon});
    EXPECT_EQ(timersDuringMessage, 0);
    EXPECT_EQ(barAfterWaiting, 80);
    EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchPair));
    EXPECT_TRUE(musicPlaysOn());

    // A new board of the same unit, whole, with the time bar full and
    // running again.
    EXPECT_EQ(barPosition(), 120);
    EXPECT_EQ(interval(), 750);
    EXPECT_EQ(ground.clock.runningTimers(), 1);
    EXPECT_TRUE(game->removed.empty());
    EXPECT_EQ(textsShown(), textsOf(unitWords(2)));
    for (int cell = 1; cell <= matching::kCells; ++cell) {
        EXPECT_FALSE(cellShowsBackground(cell)) << cell;
        EXPECT_TRUE(unframed(cell)) << cell;
    }
    ground.clock.advance(750);
    EXPECT_EQ(barPosition(), 119);
}

TEST_F(MatchingWindowTest,
       ALostBoardComesBackWithItsWordsThenTheNextOneWithTheWordsDrawnAtTheLoss) {
    const std::multiset<tk::Text> firstTexts = textsShown();
    const std::vector<int> firstArrangement = arrangement();
    ground.clock.advance(119 * 750);
    EXPECT_EQ(barPosition(), 1);
    EXPECT_TRUE(messages().empty());

    int timersDuringMessage = -1;
    int barDuringMessage = -1;
    ground.platform.whileMessageShown = [&] {
        timersDuringMessage = ground.clock.runningTimers();
        ground.clock.advance(60000);
        barDuringMessage = barPosition();
    };
    ground.clock.advance(750);
    EXPECT_EQ(messages(), std::vector<std::string>{kLost});
    EXPECT_EQ(timersDuringMessage, 0);
    EXPECT_EQ(barDuringMessage, 0);
    EXPECT_EQ(barPosition(), 120);
    EXPECT_EQ(interval(), 750);
    EXPECT_EQ(ground.clock.runningTimers(), 1);

    // The same words, reshuffled and complete again.
    EXPECT_EQ(textsShown(), firstTexts);
    EXPECT_NE(arrangement(), firstArrangement);
    EXPECT_TRUE(game->removed.empty());
    // Drawn when the board was lost: the board after the next one shows them.
    const matching::BoardWords drawnAtLoss = game->board;

    ground.platform.whileMessageShown = nullptr;
    ground.clock.advance(120 * 750);
    EXPECT_EQ(messages(), (std::vector<std::string>{kLost, kLost}));
    EXPECT_EQ(textsShown(), textsOf(drawnAtLoss));
    EXPECT_TRUE(musicPlaysOn());
}

TEST_F(MatchingWindowTest, PairsTakeTheirTilesOffAndEveryOtherSecondTileLeavesBothInPlace) {
    chooseLesson(2);
    // Two different words' tiles, word k (1-12) or meaning n + k.
    const auto cellOf = [&](int tile, std::size_t copy) { return cellsOf(tile).at(copy); };
    struct Case {
        const char* what;
        int first;
        int second;
    };
    const Case notPairs[] = {
        {"a word and another word's meaning", cellOf(1, 0), cellOf(14, 0)},
        {"a meaning and another word", cellOf(15, 0), cellOf(2, 0)},
        {"two words", cellOf(1, 0), cellOf(2, 0)},
        {"two meanings", cellOf(13, 0), cellOf(14, 0)},
        {"the two tiles of one word", cellOf(3, 0), cellOf(3, 1)},
        {"the two tiles of one meaning", cellOf(15, 0), cellOf(15, 1)},
        {"the selected tile again", cellOf(4, 0), cellOf(4, 0)},
    };
    for (const Case& c : notPairs) {
        clickCell(c.first);
        EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchSelect)) << c.what;
        EXPECT_TRUE(framedIn(c.first, kBlue)) << c.what;
        clickCell(c.second);
        EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchNotPair)) << c.what;
        EXPECT_TRUE(game->removed.empty()) << c.what;
        for (const int cell : {c.first, c.second}) {
            EXPECT_TRUE(unframed(cell)) << c.what;
            EXPECT_FALSE(cellShowsBackground(cell)) << c.what;
        }
        EXPECT_EQ(game->selectedTile, 0) << c.what;
    }

    // Either order: word then meaning, meaning then word.
    const int word = cellOf(5, 0);
    const int meaning = cellOf(17, 1);
    clickCell(meaning);
    clickCell(word);
    EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchPair));
    EXPECT_EQ(game->removed, (std::vector<int>{meaning, word}));
    for (const int cell : {word, meaning}) {
        EXPECT_TRUE(cellShowsBackground(cell)) << cell;
        EXPECT_TRUE(unframed(cell)) << cell;
    }
    EXPECT_TRUE(musicPlaysOn());
}

TEST_F(MatchingWindowTest, OnASixWordBoardAnyWordTilePairsWithAnyOfItsFourMeaningTiles) {
    chooseLesson(5);
    ASSERT_EQ(game->board.words.size(), 6u);
    EXPECT_EQ(textsShown(), textsOf(game->board));
    for (int k = 1; k <= 6; ++k) {
        ASSERT_EQ(cellsOf(k).size(), 4u);
        ASSERT_EQ(cellsOf(6 + k).size(), 4u);
    }
    // Word tiles in board order against meaning tiles last first.
    for (int k = 1; k <= 6; ++k) {
        const std::vector<int> words = cellsOf(k);
        const std::vector<int> meanings = cellsOf(6 + k);
        for (std::size_t i = 0; i < 4; ++i) {
            clickCell(words[i]);
            clickCell(meanings[3 - i]);
            EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchPair)) << k << " " << i;
        }
    }
    EXPECT_EQ(messages(), std::vector<std::string>{kWon});
}

TEST_F(MatchingWindowTest, TheHoverFrameFollowsThePointerButStaysWhileATileIsSelected) {
    hoverCell(10);
    EXPECT_TRUE(framedIn(10, kRed));
    hoverCell(11);
    EXPECT_TRUE(framedIn(11, kRed));
    EXPECT_TRUE(unframed(10));

    clickCell(11);
    EXPECT_TRUE(framedIn(11, kBlue));
    for (const int cell : {20, 30, 12}) {
        hoverCell(cell);
        EXPECT_TRUE(unframed(cell)) << cell;
    }
    EXPECT_EQ(game->hoveredCell, 11);

    // Unselected again (a not-pair), the frame moves on.
    clickCell(11);
    EXPECT_TRUE(unframed(11));
    hoverCell(20);
    EXPECT_TRUE(framedIn(20, kRed));
    EXPECT_EQ(game->hoveredCell, 20);

    // Over a paired cell and outside the board nothing is framed.
    const int paired = strangerTo(20);
    const int partner = partnerOf(paired);
    clickCell(paired);
    clickCell(partner);
    const int hovered = game->hoveredCell;
    const QImage drawn = canvas().copy();
    for (const QPoint at : {centreOf(paired), centreOf(partner), QPoint(400, 40), QPoint(60, 300),
                            QPoint(400, 520)}) {
        moveTo(at);
        EXPECT_EQ(game->hoveredCell, hovered) << at.x() << "," << at.y();
    }
    EXPECT_EQ(canvas(), drawn);
}

TEST_F(MatchingWindowTest, TheRightmostStripOfTheLastColumnIsFramedOnHoverButTakesNoClicks) {
    ground.sound.forget();
    for (const int cell : {8, 16, 48}) {
        const tk::Rect r = matching::cellRect(cell);
        const QPoint strip(715, r.top + 30);
        moveTo(strip);
        EXPECT_TRUE(framedIn(cell, kRed)) << cell;
        clickAt(strip);
        EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchEmpty)) << cell;
        EXPECT_EQ(game->selectedTile, 0) << cell;
        // Just left of it, the same cell takes clicks.
        clickAt(QPoint(705, r.top + 30));
        EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchSelect)) << cell;
        clickAt(QPoint(705, r.top + 30));
        EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchNotPair)) << cell;
    }
}

TEST_F(MatchingWindowTest, AClickOffTheTilesPlaysTheEmptyCellSoundAndKeepsTheSelection) {
    const int selected = 1;
    const int partner = partnerOf(selected);
    const int pairedCell = strangerTo(selected);
    const int pairedPartner = partnerOf(pairedCell);
    clickCell(pairedCell);
    clickCell(pairedPartner);

    clickCell(selected);
    ground.sound.forget();
    const QPoint offTiles[] = {
        centreOf(pairedCell), // paired and gone
        QPoint(89, 100),      // the board's left edge
        QPoint(400, 65),      // above the board
        QPoint(400, 510),     // below it
        QPoint(40, 300),      // beside it
        QPoint(760, 300),
    };
    for (const QPoint at : offTiles) {
        clickAt(at);
        EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchEmpty)) << at.x() << "," << at.y();
    }
    EXPECT_EQ(ground.sound.played().size(), std::size(offTiles));
    EXPECT_EQ(game->selectedTile, tileOf(selected));
    EXPECT_TRUE(framedIn(selected, kBlue));
    clickCell(partner);
    EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchPair));
}

TEST_F(MatchingWindowTest, AClickOnTheTimeBarIsNoBoardClick) {
    ground.sound.forget();
    for (const QPoint at : {QPoint(390, 36), QPoint(186, 22), QPoint(594, 50)}) {
        clickAt(at);
    }
    EXPECT_TRUE(ground.sound.calls().empty());
    EXPECT_EQ(barPosition(), 120);
    // Beside the time bar, on the board itself.
    clickAt(QPoint(150, 36));
    EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchEmpty));
}

TEST_F(MatchingWindowTest, ADifficultyChangeDealsAFullBoardWithItsOwnTime) {
    struct Case {
        int index;
        int interval;
    };
    // In the middle of a board, with a pair already made and a tile selected.
    for (const Case c : {Case{1, 500}, Case{2, 250}, Case{0, 750}}) {
        const std::size_t lostBefore = messages().size();
        const int cell = firstCell([](int) { return true; });
        const int partner = partnerOf(cell);
        clickCell(cell);
        clickCell(partner);
        clickCell(firstCell([](int) { return true; }));
        ground.clock.advance(10 * 250);
        chooseDifficulty(c.index);
        EXPECT_EQ(interval(), c.interval) << c.index;
        EXPECT_EQ(barPosition(), 120) << c.index;
        EXPECT_TRUE(game->removed.empty()) << c.index;
        EXPECT_EQ(game->selectedTile, 0) << c.index;
        EXPECT_EQ(textsShown(), textsOf(game->board)) << c.index;
        for (int k = 1; k <= matching::kCells; ++k) {
            EXPECT_FALSE(cellShowsBackground(k)) << c.index << " cell " << k;
            EXPECT_TRUE(unframed(k)) << c.index << " cell " << k;
        }
        // 120 steps of the new interval: 60, 30 or 90 seconds.
        ground.clock.advance(119 * c.interval);
        EXPECT_EQ(messages().size(), lostBefore) << c.index;
        ground.clock.advance(c.interval);
        EXPECT_EQ(messages().size(), lostBefore + 1) << c.index;
        EXPECT_EQ(messages().back(), kLost) << c.index;
    }
}

TEST_F(MatchingWindowTest, ALessonChangeDealsThatUnitsWordsOnAFullTimeBar) {
    const int partner = partnerOf(5);
    clickCell(5);
    clickCell(partner);
    ground.clock.advance(20 * 750);
    chooseLesson(3);
    EXPECT_EQ(game->board.words, unitWords(3).words);
    EXPECT_EQ(textsShown(), textsOf(unitWords(3)));
    EXPECT_EQ(barPosition(), 120);
    EXPECT_EQ(interval(), 750);
    EXPECT_TRUE(game->removed.empty());

    // Unit 4's notes: "帽子（有檐的）" is written "帽子".
    chooseLesson(4);
    EXPECT_EQ(textsShown().count("帽子"_gbk), 2u);
    EXPECT_EQ(textsShown().count("帽子（有檐的）"_gbk), 0u);
}

TEST_F(MatchingWindowTest, TheMusicBoxStopsAllSoundOrStartsTheMusicAndNamesItsNextClick) {
    const tk::UnitRef box = unit("选择框_背景音乐");
    clickCell(1);
    testing_ground::click(box);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(testing_ground::captionOf(box), "背景音乐开");
    EXPECT_EQ(ground.sound.stops(), 1);
    EXPECT_TRUE(ground.sound.playing().empty());

    // Effects sound alone then.
    clickCell(1);
    ASSERT_EQ(ground.sound.playing().size(), 1u);
    EXPECT_EQ(ground.sound.playing().front().clip, effect(content::Effect::MatchNotPair));

    testing_ground::click(box);
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(testing_ground::captionOf(box), "背景音乐关");
    const auto& playing = ground.sound.playing();
    ASSERT_EQ(playing.size(), 2u);
    EXPECT_EQ(playing.back().clip, effect(content::Effect::Music));
    EXPECT_TRUE(playing.back().loop);
}

TEST_F(MatchingWindowTest, EffectsPlayOverTheMusicWithoutStoppingIt) {
    const int partner = partnerOf(1);
    clickCell(1);
    clickCell(strangerTo(1));
    clickCell(1);
    clickCell(partner);
    clickAt(QPoint(40, 40));
    const std::vector<tk::Clip> heard = {
        effect(content::Effect::Music),        effect(content::Effect::MatchSelect),
        effect(content::Effect::MatchNotPair), effect(content::Effect::MatchSelect),
        effect(content::Effect::MatchPair),    effect(content::Effect::MatchEmpty),
    };
    EXPECT_EQ(ground.sound.played(), heard);
    EXPECT_TRUE(musicPlaysOn());
}

TEST_F(MatchingWindowTest, ADealForgetsTheSelectedTileAndTheHoverFrame) {
    // The last column: its right frame line lies outside the area a deal clears.
    hoverCell(16);
    clickCell(16);
    hoverCell(24);
    ground.clock.advance(120 * 750);
    EXPECT_EQ(messages(), std::vector<std::string>{kLost});
    EXPECT_EQ(game->selectedTile, 0);
    EXPECT_EQ(game->hoveredCell, 0);
    for (int cell = 1; cell <= matching::kCells; ++cell) {
        EXPECT_TRUE(unframed(cell)) << cell;
    }
    // The pointer's next move frames the cell under it; the next click selects.
    moveTo(centreOf(24) + QPoint(3, 3));
    EXPECT_TRUE(framedIn(24, kRed));
    clickCell(16);
    EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchSelect));
}

TEST_F(MatchingWindowTest, ARemovedFrameLeavesNoPixelOfItsColour) {
    for (const int cell : {1, 8, 20, 41, 48}) {
        hoverCell(cell);
        EXPECT_TRUE(framedIn(cell, kRed)) << cell;
        clickCell(cell);
        EXPECT_TRUE(framedIn(cell, kBlue)) << cell;
        clickCell(cell);
        EXPECT_TRUE(unframed(cell)) << cell;
    }
}

struct Closing {
    const char* name;
    void (*close)(tk::Window&);
};

class MatchingClosingTest : public MatchingTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(MatchingClosingTest, ClosingStopsAllSoundAndTheTimeBar) {
    open();
    clickCell(3);
    ASSERT_EQ(ground.sound.playing().size(), 2u);
    GetParam().close(*window);
    testing_ground::settle();
    EXPECT_TRUE(window->isClosing());
    EXPECT_TRUE(ground.sound.playing().empty());
    EXPECT_EQ(ground.clock.runningTimers(), 0);
}

INSTANTIATE_TEST_SUITE_P(ByExitOrDesktop, MatchingClosingTest,
                         ::testing::Values(Closing{"ExitButton",
                                                   [](tk::Window& w) {
                                                       testing_ground::click(
                                                           w.unit("超级按钮_退出"));
                                                   }},
                                           Closing{"Desktop", [](tk::Window& w) { w.close(); }}),
                         [](const ::testing::TestParamInfo<Closing>& param) {
                             return std::string(param.param.name);
                         });

// Never a deal from an empty word list: a unit without words keeps the
// board's words, and with none at all the board has no tiles.
TEST_F(MatchingTest, AUnitWithTooFewWordsKeepsTheBoardAndOneWithNoneDealsNoTiles) {
    game->wordList = [](int unit) -> std::string_view {
        if (unit == 1) {
            return {};
        }
        if (unit == 2) {
            return content::wordList(2);
        }
        return "one\r\n一\r\ntwo\r\n二";
    };
    open();
    EXPECT_TRUE(game->board.words.empty());
    for (int cell = 1; cell <= matching::kCells; ++cell) {
        EXPECT_EQ(tileOf(cell), 0);
        EXPECT_TRUE(cellShowsBackground(cell)) << cell;
    }
    ground.sound.forget();
    for (const int cell : {1, 8, 48}) {
        hoverCell(cell);
        clickCell(cell);
        EXPECT_EQ(lastPlayed(), effect(content::Effect::MatchEmpty)) << cell;
        EXPECT_TRUE(unframed(cell)) << cell;
    }
    // The time bar runs out as on any board, and the next one is as empty.
    ground.clock.advance(120 * 750);
    EXPECT_EQ(messages(), std::vector<std::string>{kLost});
    EXPECT_EQ(barPosition(), 120);
    EXPECT_EQ(tileOf(1), 0);

    chooseLesson(2);
    EXPECT_EQ(textsShown(), textsOf(unitWords(2)));
    const std::vector<int> unit2Board = arrangement();
    chooseLesson(3);
    EXPECT_EQ(game->board.words, unitWords(2).words);
    EXPECT_EQ(textsShown(), textsOf(unitWords(2)));
    EXPECT_NE(arrangement(), unit2Board);
}

} // namespace
