// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game and its windows together: the windows show what the game says, and what the player does reaches
// the game as Qt delivers it. The transcript pins every detail; these pin the connection.
#include "GameWindowsTest.h"

#include "GameFixture.h"
#include "PhaseControls.h"
#include "platform/CloseOnSignals.h"
#include "platform/QtHelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <array>
#include <csignal>
#include <utility>

using namespace Qt::StringLiterals;
using namespace kelvad;
using namespace kelvad::testing;

namespace {

QString buttonName(Qt::MouseButton button) {
    return button == Qt::LeftButton ? u"left"_s : button == Qt::RightButton ? u"right"_s : u"middle"_s;
}

// Where a press is made: at the start of a game, when the yellow man shows (a shot on him draws its mark
// around the press), when the civilian shows at an empty gun, or when the 150 plate shows at the field's
// right edge.
enum class Moment { Start, YellowMan, DuringTheMark, Civilian, Plate };

void playTo(GameFixture& fixture, Moment moment) {
    Game& game = fixture.game();
    game.chooseGun(moment == Moment::Plate ? 3 : 1);
    game.clickStart();
    const auto waitForYellow = [&] {
        while (!game.men().man(2).shown) {
            fixture.advance(50);
        }
    };
    if (moment == Moment::YellowMan || moment == Moment::DuringTheMark) {
        waitForYellow();
    } else if (moment == Moment::Civilian) {
        for (int shot = 0; shot < 8; ++shot) {
            game.pressField(Qt::LeftButton);
        }
        fixture.advance(10000 - fixture.platform.scheduler.now());
    } else if (moment == Moment::Plate) {
        for (int hit = 0; hit < 5; ++hit) {
            waitForYellow();
            game.pressMan(2, Qt::LeftButton);
        }
        // Its left at 3239 twips, its top at 3000: 41 of its 60 pixels lie on the field.
        fixture.platform.random.script({2.5 / 3.0, 3239.5 / 3240.0, 3000.5 / 2880.0});
        game.pressField(Qt::LeftButton);
    }
}

}  // namespace

Q_DECLARE_METATYPE(Moment)

void GameWindowsTest::theShortcutsReachTheGame_data() {
    QTest::addColumn<bool>("inAGame");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("reached");
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+S starts") << false << Qt::Key_S << ctrl << "playing";
    QTest::newRow("Ctrl+T holds a game") << true << Qt::Key_T << ctrl << "box";
    QTest::newRow("Ctrl+H opens the table") << false << Qt::Key_H << ctrl << "table";
    QTest::newRow("Ctrl+G opens the speed") << false << Qt::Key_G << ctrl << "speed";
    QTest::newRow("F1 opens the help") << false << Qt::Key_F1 << Qt::KeyboardModifiers() << "help";
    QTest::newRow("Ctrl+S does nothing in a game") << true << Qt::Key_S << ctrl << "";
}

// The transcript pins everything the windows show of the game; this, that the keys reach it.
void GameWindowsTest::theShortcutsReachTheGame() {
    QFETCH(bool, inAGame);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, reached);
    GameFixture fixture;
    Game& game = fixture.game();
    MainWindow& window = fixture.window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (inAGame) {
        game.clickStart();
    }
    QTest::keyClick(&window, key, modifiers);
    QStringList heard;
    const auto heardIf = [&](bool yes, const QString& what) {
        if (yes) {
            heard << what;
        }
    };
    heardIf(!inAGame && game.playing(), u"playing"_s);
    heardIf(!fixture.platform.messageBoxes.shown.empty(), u"box"_s);
    heardIf(game.highScoreTableOpen(), u"table"_s);
    heardIf(game.speedWindowOpen(), u"speed"_s);
    heardIf(!fixture.platform.helpViewer.opened.isEmpty(), u"help"_s);
    QCOMPARE(heard.join(u' '), reached);
    // While a small window is open the disabled main window's controls all read as disabled.
    QCOMPARE(window.isEnabled(), game.mainWindowEnabled());
    if (game.mainWindowEnabled()) {
        QCOMPARE(controlStates(window), controlStates(game));
    }
}

void GameWindowsTest::aPressReachesTheGameAsQtDeliversIt_data() {
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("at");
    // A button held down over the target before the press, and the button pressed; none for a move.
    QTest::addColumn<Qt::MouseButton>("held");
    QTest::addColumn<Qt::MouseButton>("button");
    // What the window tells the game.
    QTest::addColumn<QStringList>("heard");
    const QPoint centre(-1, -1);
    const QPoint bareField(250, 5);
    QTest::newRow("a man not yet shown: on the field")
        << Moment::Start << "I3" << centre << Qt::NoButton << Qt::LeftButton << QStringList{"field left"};
    QTest::newRow("a man kept from presses while his shot's mark is drawn: on the field")
        << Moment::DuringTheMark << "I3" << centre << Qt::NoButton << Qt::LeftButton
        << QStringList{"field left"};
    QTest::newRow("a left press with the right held fires")
        << Moment::YellowMan << "Picture1" << bareField << Qt::RightButton << Qt::LeftButton
        << QStringList{"field right", "field left"};
    QTest::newRow("a right press with the left held reloads")
        << Moment::YellowMan << "Picture1" << bareField << Qt::LeftButton << Qt::RightButton
        << QStringList{"field left", "field right"};
    QTest::newRow("a middle press on a man with the right held")
        << Moment::YellowMan << "I3" << centre << Qt::RightButton << Qt::MiddleButton
        << QStringList{"man 2 right", "man 2 middle"};
    QTest::newRow("a right press on the civilian with the middle held, at an empty gun")
        << Moment::Civilian << "HE1" << centre << Qt::MiddleButton << Qt::RightButton
        << QStringList{"civilian middle", "civilian right"};
    QTest::newRow("a click on a plate's label is a click on the plate")
        << Moment::Plate << "Label13" << centre << Qt::NoButton << Qt::LeftButton << QStringList{"plate 2"};
    QTest::newRow("a right click inside the left click collects the plate once")
        << Moment::Plate << "D3" << QPoint(10, 10) << Qt::LeftButton << Qt::RightButton
        << QStringList{"plate 2"};
    QTest::newRow("the right held across the left click")
        << Moment::Plate << "D3" << QPoint(10, 10) << Qt::RightButton << Qt::LeftButton
        << QStringList{"plate 2"};
    QTest::newRow("a click on the part of a plate outside the field misses it")
        << Moment::Plate << "D3" << QPoint(50, 10) << Qt::NoButton << Qt::LeftButton << QStringList();
    QTest::newRow("a move over a man, in twips inside him")
        << Moment::YellowMan << "I3" << QPoint(7, 13) << Qt::NoButton << Qt::NoButton
        << QStringList{"over man 2 at 105,195"};
    QTest::newRow("a move over the civilian") << Moment::Civilian << "HE1" << QPoint(7, 13) << Qt::NoButton
                                              << Qt::NoButton << QStringList{"over civilian at 105,195"};
    QTest::newRow("a move over a plate is not told")
        << Moment::Plate << "D3" << QPoint(3, 3) << Qt::NoButton << Qt::NoButton << QStringList();
    QTest::newRow("nor over its label")
        << Moment::Plate << "Label13" << QPoint(3, 3) << Qt::NoButton << Qt::NoButton << QStringList();
}

void GameWindowsTest::aPressReachesTheGameAsQtDeliversIt() {
    QFETCH(Moment, moment);
    QFETCH(QString, target);
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, held);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QStringList, heard);
    GameFixture fixture;
    playTo(fixture, moment);
    const MainWindow* window = &fixture.window();
    QStringList presses;
    QStringList moves;
    const auto place = [](QPointF at) { return u" at %1,%2"_s.arg(at.x()).arg(at.y()); };
    QObject::connect(window, &MainWindow::fieldPressed,
                     [&](auto pressed) { presses << u"field "_s + buttonName(pressed); });
    QObject::connect(window, &MainWindow::manPressed,
                     [&](int man, auto pressed) { presses << u"man %1 "_s.arg(man) + buttonName(pressed); });
    QObject::connect(window, &MainWindow::civilianPressed,
                     [&](auto pressed) { presses << u"civilian "_s + buttonName(pressed); });
    QObject::connect(window, &MainWindow::plateClicked,
                     [&](int plate) { presses << u"plate %1"_s.arg(plate); });
    QObject::connect(window, &MainWindow::pointerMovedOverField,
                     [&](QPointF at) { moves << u"over field"_s + place(at); });
    QObject::connect(window, &MainWindow::pointerMovedOverMan,
                     [&](int man, QPointF at) { moves << u"over man %1"_s.arg(man) + place(at); });
    QObject::connect(window, &MainWindow::pointerMovedOverCivilian,
                     [&](QPointF at) { moves << u"over civilian"_s + place(at); });
    QWidget* widget = fixture.control(qPrintable(target));
    const auto act = [&] {
        if (button == Qt::NoButton) {
            fixture.move(widget, at);
            return;
        }
        if (held != Qt::NoButton) {
            fixture.hold(widget, held, at);
        }
        fixture.press(widget, button, at);
        if (held != Qt::NoButton) {
            fixture.letGo(widget, held, at);
        }
    };
    if (moment == Moment::DuringTheMark) {
        bool done = false;
        fixture.platform.sleeper.duringWait = [&] {
            if (!std::exchange(done, true)) {
                act();
            }
        };
        fixture.game().pressMan(2, Qt::LeftButton);
    } else {
        act();
    }
    QCOMPARE(button == Qt::NoButton ? moves : presses, heard);
}

void GameWindowsTest::theHelpWindowShowsTheHelpFileOrSaysWhyNot() {
    platform::QtHelpViewer viewer;
    // Another window is the active one: the help window still belongs to the window that asked for it.
    QWidget owner;
    viewer.setOwner(&owner);
    QWidget other;
    other.show();
    other.activateWindow();
    const QTemporaryDir empty;
    const QString missing = QDir(empty.path()).filePath(u"Kelvad.Hlp"_s);
    const std::optional<QString> error = viewer.showContents(missing);
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(missing), qPrintable(*error));

    const QString helpFile = QDir(builtProgramDirectory()).filePath(u"Kelvad.Hlp"_s);
    QVERIFY2(!viewer.showContents(helpFile).has_value(), qPrintable(helpFile));
    auto* browser = owner.findChild<QTextBrowser*>();
    QVERIFY(browser != nullptr);
    QVERIFY(browser->isVisible());
    QCOMPARE(browser->window()->parentWidget(), &owner);
    QVERIFY(browser->toPlainText().contains(u"ケルバド解消ゲーム"_s));
    // A second request shows the same window again.
    QWidget* window = browser->window();
    QVERIFY(!viewer.showContents(helpFile).has_value());
    QCOMPARE(browser->window(), window);
    window->close();
}

void GameWindowsTest::theProgramEnds_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("by the exit item") << "B5";
    QTest::newRow("by the frame's close control") << "frame";
    QTest::newRow("by SIGTERM, the desktop logging out") << "SIGTERM";
}

void GameWindowsTest::theProgramEnds() {
    QFETCH(QString, how);
    GameFixture fixture;
    fixture.game().clickStart();
    fixture.advance(1000);
    platform::CloseOnSignals closeOnSignals(fixture.window());
    QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
    const int status = runUntilTheProgramEnds([&] {
        if (how == u"B5") {
            fixture.choose("B5");
        } else if (how == u"frame") {
            fixture.window().windowHandle()->close();
        } else {
            std::raise(SIGTERM);
        }
    });
    QCOMPARE(status, 0);
    QCOMPARE(aboutToQuit.count(), 1);
    // No question was asked.
    QVERIFY(fixture.platform.messageBoxes.shown.empty());
    QVERIFY(!fixture.window().isVisible());
}
