// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menus through the keyboard, the help, the version message and the exit.
#include "MenusTest.h"

#include "GameFixture.h"
#include "PhaseControls.h"
#include "platform/QtHelpViewer.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/PictureBox.h"
#include "ui/SpeedWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using kelvad::testing::GameFixture;

namespace {

enum class Effect { Start, TimeOut, HighScores, Speed, Nothing };

// The main window takes the keyboard, as it does when the player works it.
bool activate(kelvad::MainWindow& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void startAndPlayOneSecond(GameFixture& game) {
    game.clickStart();
    game.advance(1000);
}

}  // namespace

Q_DECLARE_METATYPE(Effect)

void MenusTest::shortcutsFollowTheStateOfTheGame_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<Effect>("effect");
    QTest::newRow("Ctrl+S, ready: a game starts") << int(Qt::Key_S) << false << Effect::Start;
    QTest::newRow("Ctrl+S, playing: nothing") << int(Qt::Key_S) << true << Effect::Nothing;
    QTest::newRow("Ctrl+T, ready: nothing") << int(Qt::Key_T) << false << Effect::Nothing;
    QTest::newRow("Ctrl+T, playing: time out") << int(Qt::Key_T) << true << Effect::TimeOut;
    QTest::newRow("Ctrl+H, ready: the high scores") << int(Qt::Key_H) << false << Effect::HighScores;
    QTest::newRow("Ctrl+H, playing: nothing") << int(Qt::Key_H) << true << Effect::Nothing;
    QTest::newRow("Ctrl+G, ready: the game speed") << int(Qt::Key_G) << false << Effect::Speed;
    QTest::newRow("Ctrl+G, playing: nothing") << int(Qt::Key_G) << true << Effect::Nothing;
}

void MenusTest::shortcutsFollowTheStateOfTheGame() {
    QFETCH(int, key);
    QFETCH(bool, playing);
    QFETCH(Effect, effect);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    QVERIFY(activate(window));
    if (playing) {
        startAndPlayOneSecond(game);
    }
    const int timeLeft = state.timeLeft;
    QTest::keyClick(&window, static_cast<Qt::Key>(key), Qt::ControlModifier);
    const auto& boxes = game.platform.messageBoxes.shown;

    switch (effect) {
        case Effect::Start:
            QVERIFY(window.gameClock->enabled());
            QCOMPARE(kelvad::testing::controlStates(window), kelvad::testing::playingControls());
            QCOMPARE(state.timeLeft, 60);
            break;
        case Effect::TimeOut:
            QCOMPARE(boxes.size(), std::size_t{1});
            QCOMPARE(boxes.back().text,
                     QStringLiteral("タイム中です。再会するには、ボタンをクリックしてください。"));
            break;
        case Effect::HighScores:
            QVERIFY(window.highScoreTableWindow().isVisible());
            QVERIFY(!window.isEnabled());
            break;
        case Effect::Speed:
            QVERIFY(window.speedWindow().isVisible());
            QVERIFY(!window.isEnabled());
            break;
        case Effect::Nothing:
            QVERIFY(boxes.empty());
            QVERIFY(!window.highScoreTableWindow().isVisible());
            QVERIFY(!window.speedWindow().isVisible());
            QVERIFY(window.isEnabled());
            QCOMPARE(window.gameClock->enabled(), playing);
            QCOMPARE(state.timeLeft, timeLeft);
            break;
    }
    if (playing) {
        // The game goes on where it was.
        game.advance(500);
        QCOMPARE(state.timeLeft, timeLeft - 1);
    }
}

void MenusTest::theVersionMessage() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    window.versionAction->trigger();
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    const auto& box = game.platform.messageBoxes.shown.front();
    QCOMPARE(box.title, QStringLiteral("バージョン情報"));
    // One full-width space between the name and the version.
    QCOMPARE(box.text, QStringLiteral("ケルバド解消ゲーム\u3000Ver1.51"));
    QCOMPARE(box.buttons, kelvad::platform::MessageButtons::Ok);
    QCOMPARE(box.icon, kelvad::platform::MessageIcon::None);
    QCOMPARE(box.owner, kelvad::platform::BoxOwner::MainWindow);
}

void MenusTest::helpOpensTheContentsOfTheHelpFile_data() {
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<bool>("playing");
    QTest::newRow("menu, ready") << false << false;
    QTest::newRow("F1, ready") << true << false;
    QTest::newRow("menu, playing") << false << true;
    QTest::newRow("F1, playing") << true << true;
}

void MenusTest::helpOpensTheContentsOfTheHelpFile() {
    QFETCH(bool, byKey);
    QFETCH(bool, playing);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    QVERIFY(activate(window));
    if (playing) {
        startAndPlayOneSecond(game);
    }
    if (byKey) {
        QTest::keyClick(&window, Qt::Key_F1);
    } else {
        window.helpAction->trigger();
    }
    QCOMPARE(game.platform.helpViewer.opened,
             QStringList({window.programFile(QStringLiteral("\\Kelvad.Hlp"))}));
    QVERIFY(game.platform.messageBoxes.shown.empty());
    QCOMPARE(window.gameClock->enabled(), playing);
}

void MenusTest::aHelpViewerErrorIsShownAndTheGameGoesOn() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startAndPlayOneSecond(game);
    const QString error = QStringLiteral("ヘルプファイルを開けません");
    game.platform.helpViewer.error = error;
    window.helpAction->trigger();
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    QCOMPARE(game.platform.messageBoxes.shown.front().text, error);
    QCOMPARE(game.platform.messageBoxes.shown.front().buttons, kelvad::platform::MessageButtons::Ok);
    QCOMPARE(game.platform.messageBoxes.shown.front().owner, kelvad::platform::BoxOwner::MainWindow);
    QVERIFY(window.isEnabled());
    game.advance(500);
    QCOMPARE(state.timeLeft, 57);
    // Asking again asks the viewer again.
    window.helpAction->trigger();
    QCOMPARE(game.platform.helpViewer.opened.size(), 2);
}

void MenusTest::theHelpWindowShowsTheHelpFileOrSaysWhyNot() {
    kelvad::platform::QtHelpViewer viewer;
    // Another window is the active one: the help window still belongs to the window that asked for it.
    QWidget owner;
    viewer.setOwner(&owner);
    QWidget other;
    other.show();
    other.activateWindow();
    const QTemporaryDir empty;
    const QString missing = QDir(empty.path()).filePath(QStringLiteral("Kelvad.Hlp"));
    const std::optional<QString> error = viewer.showContents(missing);
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(missing), qPrintable(*error));

    const QString helpFile =
        QDir(kelvad::testing::builtProgramDirectory()).filePath(QStringLiteral("Kelvad.Hlp"));
    QVERIFY2(!viewer.showContents(helpFile).has_value(), qPrintable(helpFile));
    auto* browser = owner.findChild<QTextBrowser*>();
    QVERIFY(browser != nullptr);
    QVERIFY(browser->isVisible());
    QCOMPARE(browser->window()->parentWidget(), &owner);
    QVERIFY(browser->toPlainText().contains(QStringLiteral("ケルバド解消ゲーム")));
    // A second request shows the same window again.
    QWidget* window = browser->window();
    QVERIFY(!viewer.showContents(helpFile).has_value());
    QCOMPARE(browser->window(), window);
    window->close();
}

void MenusTest::exitEndsTheProgram() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    startAndPlayOneSecond(game);
    QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
    QCOMPARE(kelvad::testing::runUntilTheProgramEnds([&] { window.exitAction->trigger(); }), 0);
    QCOMPARE(aboutToQuit.count(), 1);
    // No question was asked and nothing was saved.
    QVERIFY(game.platform.messageBoxes.shown.empty());
    QVERIFY(!window.isVisible());
}
