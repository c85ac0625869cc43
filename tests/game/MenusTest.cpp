// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menus in each state of the game, the help, the version message and the end of the program.
#include "MenusTest.h"

#include "HeadlessGame.h"
#include "PhaseControls.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace kelvad;
using namespace kelvad::testing;

namespace {

using MenuItem = void (Game::*)();

void startAndPlayOneSecond(HeadlessGame& game) {
    game->clickStart();
    game.advance(1000);
}

// What a menu item leaves behind: the clock, the time left, the last box, and which windows take input.
QString state(HeadlessGame& game) {
    const auto& boxes = game.platform.messageBoxes.shown;
    const auto onOff = [](bool on) { return on ? u"on"_s : u"off"_s; };
    return u"clock %1, %2 left, box %3, table %4, speed %5, main %6"_s
        .arg(onOff(game.timer(GameTimer::Clock).enabled()))
        .arg(game->timeLeft())
        .arg(boxes.empty() ? u"none"_s : boxes.back().text, onOff(game->highScoreTableOpen()),
             onOff(game->speedWindowOpen()), onOff(game->mainWindowEnabled()));
}

}  // namespace

Q_DECLARE_METATYPE(MenuItem)

void MenusTest::theMenuItemsFollowTheStateOfTheGame_data() {
    QTest::addColumn<MenuItem>("item");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<QString>("state");
    const QString timeOut = u"タイム中です。再会するには、ボタンをクリックしてください。"_s;
    QTest::newRow("start, ready: a game starts")
        << MenuItem(&Game::chooseStart) << false
        << "clock on, 60 left, box none, table off, speed off, main on";
    QTest::newRow("start, playing: nothing") << MenuItem(&Game::chooseStart) << true
                                             << "clock on, 58 left, box none, table off, speed off, main on";
    QTest::newRow("time-out, ready: nothing") << MenuItem(&Game::choosePause) << false
                                              << "clock off, 0 left, box none, table off, speed off, main on";
    QTest::newRow("time-out, playing: a time-out")
        << MenuItem(&Game::choosePause) << true
        << u"clock on, 58 left, box %1, table off, speed off, main on"_s.arg(timeOut);
    QTest::newRow("high scores, ready: the table")
        << MenuItem(&Game::chooseHighScores) << false
        << "clock off, 0 left, box none, table on, speed off, main off";
    QTest::newRow("high scores, playing: nothing")
        << MenuItem(&Game::chooseHighScores) << true
        << "clock on, 58 left, box none, table off, speed off, main on";
    QTest::newRow("game speed, ready: the speed window")
        << MenuItem(&Game::chooseGameSpeed) << false
        << "clock off, 0 left, box none, table off, speed on, main off";
    QTest::newRow("game speed, playing: nothing")
        << MenuItem(&Game::chooseGameSpeed) << true
        << "clock on, 58 left, box none, table off, speed off, main on";
}

void MenusTest::theMenuItemsFollowTheStateOfTheGame() {
    QFETCH(MenuItem, item);
    QFETCH(bool, playing);
    QFETCH(QString, state);
    HeadlessGame game;
    if (playing) {
        startAndPlayOneSecond(game);
    }
    ((*game).*item)();
    QCOMPARE(::state(game), state);
    // A game goes on where it was, or starts.
    const int timeLeft = game->timeLeft();
    game.advance(500);
    QCOMPARE(game->timeLeft(), timeLeft - (game->playing() ? 1 : 0));
}

void MenusTest::theVersionMessage() {
    HeadlessGame game;
    game->chooseVersion();
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    const auto& box = game.platform.messageBoxes.shown.front();
    QCOMPARE(box.title, u"バージョン情報"_s);
    // One full-width space between the name and the version.
    QCOMPARE(box.text, u"ケルバド解消ゲーム\u3000Ver1.51"_s);
    QCOMPARE(box.buttons, platform::MessageButtons::Ok);
    QCOMPARE(box.icon, platform::MessageIcon::None);
    QCOMPARE(box.owner, platform::BoxOwner::MainWindow);
}

void MenusTest::helpOpensTheHelpFileOrSaysWhyNot_data() {
    QTest::addColumn<bool>("playing");
    // What the help viewer says went wrong, if anything.
    QTest::addColumn<QString>("error");
    QTest::newRow("ready") << false << "";
    QTest::newRow("playing") << true << "";
    QTest::newRow("playing, the viewer fails: its error is shown and the game goes on")
        << true << "ヘルプファイルを開けません";
}

void MenusTest::helpOpensTheHelpFileOrSaysWhyNot() {
    QFETCH(bool, playing);
    QFETCH(QString, error);
    HeadlessGame game;
    if (playing) {
        startAndPlayOneSecond(game);
    }
    if (!error.isEmpty()) {
        game.platform.helpViewer.error = error;
    }
    game->chooseHelp();
    QCOMPARE(game.platform.helpViewer.opened, QStringList({game.programFile(u"\\Kelvad.Hlp"_s)}));
    const auto& boxes = game.platform.messageBoxes.shown;
    QCOMPARE(boxes.size(), std::size_t{error.isEmpty() ? 0u : 1u});
    if (!error.isEmpty()) {
        QCOMPARE(boxes.front().text, error);
        QCOMPARE(boxes.front().buttons, platform::MessageButtons::Ok);
        QCOMPARE(boxes.front().owner, platform::BoxOwner::MainWindow);
    }
    QVERIFY(game->mainWindowEnabled());
    QCOMPARE(game.timer(GameTimer::Clock).enabled(), playing);
    if (playing) {
        game.advance(500);
        QCOMPARE(game->timeLeft(), 57);
    }
    // Asking again asks the viewer again.
    game->chooseHelp();
    QCOMPARE(game.platform.helpViewer.opened.size(), 2);
}

void MenusTest::quittingEndsTheProgramWithoutAQuestion() {
    HeadlessGame game;
    startAndPlayOneSecond(game);
    QSignalSpy quit(&*game, &Game::quitRequested);
    game->quit();
    QCOMPARE(quit.count(), 1);
    QVERIFY(game.platform.messageBoxes.shown.empty());
}
