// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HighScoreWindowTest.h"

#include "PhaseControls.h"
#include "ScoreGames.h"
#include "game/Lifecycle.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/PictureBox.h"
#include "ui/TextBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace kelvad {

using platform::MessageAnswer;
using testing::GameFixture;

namespace {

// A table no fresh installation has, in the file's own bytes.
const QByteArray kPlayedFile = "\"Ann\",\"Bob\",\"Cy\",\"Di\",\"Ed\"\r\n5000,4000,3000,2000,1000\r\n";
const HighScoreTable kPlayedTable =
    testing::tableOf({5000, 4000, 3000, 2000, 1000}, {u"Ann"_s, u"Bob"_s, u"Cy"_s, u"Di"_s, u"Ed"_s});

// How the high-score window came to be open.
enum class Opened { AfterGameWithoutPlace, AfterNameEntry, FromMenu };

void open(GameFixture& game, Opened how) {
    MainWindow& window = game.window();
    switch (how) {
        case Opened::AfterGameWithoutPlace:
            testing::playGameScoring(game, 0, 2);
            break;
        case Opened::AfterNameEntry:
            testing::playGameScoring(game, 1, 2);
            QTest::mouseClick(window.nameEntryWindow().okButton, Qt::LeftButton);
            break;
        case Opened::FromMenu:
            window.highScoresAction->trigger();
            break;
    }
}

void withPlayedFile(testing::TestPlatform& platform) {
    QVERIFY(testing::writeScoreFile(platform, kPlayedFile));
}

}  // namespace

void HighScoreWindowTest::okGivesBackTheReadyState_data() {
    QTest::addColumn<Opened>("how");
    QTest::newRow("after a game without a place") << Opened::AfterGameWithoutPlace;
    QTest::newRow("after a name entry") << Opened::AfterNameEntry;
    QTest::newRow("from the menu") << Opened::FromMenu;
}

void HighScoreWindowTest::okGivesBackTheReadyState() {
    QFETCH(Opened, how);
    GameFixture game;
    MainWindow& window = game.window();
    open(game, how);
    HighScoreTableWindow& table = window.highScoreTableWindow();
    QVERIFY(table.isVisible());
    QVERIFY(!window.isEnabled());
    QVERIFY(table.isEnabled());

    QTest::mouseClick(table.okButton, Qt::LeftButton);
    QVERIFY(!table.isVisible());
    QVERIFY(window.isVisible());
    QCOMPARE(testing::controlStates(window), testing::readyControls());
    // Hidden, not gone: the next showing has the same window.
    window.highScoresAction->trigger();
    QCOMPARE(&window.highScoreTableWindow(), &table);
    QVERIFY(table.isVisible());
}

void HighScoreWindowTest::theCloseControlGivesBackOnlyTheStartItems_data() {
    QTest::addColumn<Opened>("how");
    QTest::addColumn<QStringList>("controls");
    // The main window and its start items come back; the rest keeps the state the end of the game left.
    QTest::newRow("after a game with 2 kills")
        << Opened::AfterGameWithoutPlace
        << u"Form1 on|TAITOLU(0) shown|TAITOLU(1) shown|Command1 off|B1 on|B4 on|A2 on|B19 on|B21 on|"
           u"Picture2 off|Label20 2"_s.split(u'|');
    QTest::newRow("from the menu: still ready") << Opened::FromMenu << testing::readyControls();
}

void HighScoreWindowTest::theCloseControlGivesBackOnlyTheStartItems() {
    QFETCH(Opened, how);
    QFETCH(QStringList, controls);
    GameFixture game;
    MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    open(game, how);
    QVERIFY(window.highScoreTableWindow().isVisible());

    window.highScoreTableWindow().close();
    QVERIFY(!window.highScoreTableWindow().isVisible());
    QCOMPARE(testing::controlStates(window), controls);

    // The table shows again from the menu, and the menu starts the next game.
    window.highScoresAction->trigger();
    QVERIFY(window.highScoreTableWindow().isVisible());
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(HighScoreTable{}));
    QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);
    window.startAction->trigger();
    QVERIFY(window.gameClock->enabled());
    QCOMPARE(state.timeLeft, kTicksPerGame);
}

void HighScoreWindowTest::theResetAsksFirst_data() {
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<HighScoreTable>("after");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::newRow("OK: the defaults") << MessageAnswer::Ok << HighScoreTable{} << testing::defaultScoreFile();
    QTest::newRow("Cancel: nothing changes") << MessageAnswer::Cancel << kPlayedTable << kPlayedFile;
}

void HighScoreWindowTest::theResetAsksFirst() {
    QFETCH(MessageAnswer, answer);
    QFETCH(HighScoreTable, after);
    QFETCH(QByteArray, fileAfter);
    GameFixture game(withPlayedFile);
    MainWindow& window = game.window();
    window.highScoresAction->trigger();
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(kPlayedTable));

    game.platform.messageBoxes.answer(answer);
    QTest::mouseClick(window.highScoreTableWindow().resetButton, Qt::LeftButton);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    const testing::ShownBox& box = game.platform.messageBoxes.shown.back();
    QCOMPARE(box.title, u"ｹﾙﾊﾞﾄﾞ解消ｹﾞｰﾑ"_s);
    QCOMPARE(box.text, u"データを初期化してもよろしいですか？"_s);
    QCOMPARE(box.buttons, platform::MessageButtons::OkCancel);
    QCOMPARE(box.icon, platform::MessageIcon::Question);
    // The question is about the table: it belongs to the high-score window, not to the disabled main window.
    QCOMPARE(box.owner, kelvad::platform::BoxOwner::HighScoreTable);

    QVERIFY(window.highScoreTableWindow().isVisible());
    QVERIFY(!window.isEnabled());
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(after));
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(after));
    QCOMPARE(testing::readScoreFile(game.platform), fileAfter);
}

void HighScoreWindowTest::afterAResetAScoreOf1RanksFifth() {
    GameFixture game(withPlayedFile);
    MainWindow& window = game.window();
    testing::playGameScoring(game, 1);
    QVERIFY(window.highScoreTableWindow().isVisible());
    QTest::mouseClick(window.highScoreTableWindow().resetButton, Qt::LeftButton);
    QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);

    testing::playGameScoring(game, 1);
    QVERIFY(window.nameEntryWindow().isVisible());
    QCOMPARE(window.nameEntryWindow().rankLabel->text(), u"五位"_s);
    QTest::keyClick(window.nameEntryWindow().nameBox, Qt::Key_Return);
    const HighScoreTable after = testing::defaultNamesBut({2000, 1500, 1000, 500, 1}, 0, QString());
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(after));
    QCOMPARE(testing::rowsInFile(game.platform), testing::rowsOf(after));
}

void HighScoreWindowTest::theMenuReadsTheFileAgain() {
    GameFixture game;
    MainWindow& window = game.window();
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(HighScoreTable{}));
    // Changed behind the game's back, as by a second copy of the game or an editor.
    QVERIFY(testing::writeScoreFile(game.platform, kPlayedFile));
    window.highScoresAction->trigger();
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(kPlayedTable));
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(kPlayedTable));
    QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);

    // The next game ranks against what the table showed: 500 would have been fifth in the defaults.
    testing::playGameScoring(game, 500);
    QVERIFY(!window.findChild<NameEntryWindow*>());
    QVERIFY(window.highScoreTableWindow().isVisible());
}

void HighScoreWindowTest::theTableAtTheEndOfAGameIsTheCurrentOne() {
    GameFixture game;
    MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    testing::playGameScoring(game, 3000);
    QTest::keyClicks(window.nameEntryWindow().nameBox, u"Ace"_s);
    QTest::keyClick(window.nameEntryWindow().nameBox, Qt::Key_Return);
    // Left by the close control this time, so the next game starts from the menu.
    window.highScoreTableWindow().close();
    window.startAction->trigger();
    state.score = 0;
    game.advance(61 * 500);

    QVERIFY(window.highScoreTableWindow().isVisible());
    const HighScoreTable current = testing::defaultNamesBut({3000, 2000, 1500, 1000, 500}, 1, u"Ace"_s);
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(current));
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(current));
}

}  // namespace kelvad
