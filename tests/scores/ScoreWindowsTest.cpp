// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreWindowsTest.h"

#include "GameFixture.h"
#include "PhaseControls.h"
#include "ScoreGames.h"
#include "platform/CloseOnSignals.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <csignal>
#include <functional>

using namespace Qt::StringLiterals;

namespace kelvad {

using testing::GameFixture;
using testing::rowsOf;

namespace {

// A control of one of the small windows, by their object names.
template <typename T = QWidget>
T* in(GameFixture& game, const char* window, const char* name) {
    T* found = game.control(window)->findChild<T*>(QLatin1String(name));
    if (!found) {
        qFatal("no control %s in %s", name, window);
    }
    return found;
}

bool isShown(GameFixture& game, const char* window) {
    const QWidget* found = game.window().findChild<QWidget*>(QLatin1String(window));
    return found && found->isVisible();
}

// The table as its window shows it, exactly as its labels read.
QStringList rowsOnScreen(GameFixture& game) {
    QStringList rows;
    for (int rank = 1; rank <= 5; ++rank) {
        rows << in<QLabel>(game, "Form3", qPrintable(u"TO%1"_s.arg(rank)))->text() + u'\t' +
                    in<QLabel>(game, "Form3", qPrintable(u"NA%1"_s.arg(rank)))->text();
    }
    return rows;
}

// What the player does in the name entry, over the fully selected default name: its box and its window.
using Entering = std::function<void(QLineEdit* box, QWidget* entry)>;

// Where the game is when its main window is closed, and how it is closed.
enum class State { Ready, Playing, ShotWait, FallWait, NameEntry, HighScores, Speed };
enum class Close { Frame, ExitItem, Sigterm, Sigint };

}  // namespace

void ScoreWindowsTest::aNameTypedInTheBoxReachesTheTable_data() {
    QTest::addColumn<Entering>("entering");
    QTest::addColumn<QString>("stored");
    QTest::newRow("keys, OK") << Entering([](QLineEdit* box, QWidget* entry) {
        QTest::keyClicks(box, u"Kel"_s);
        QTest::mouseClick(entry->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    }) << u"Kel"_s;
    QTest::newRow("pasted with a line break, Enter") << Entering([](QLineEdit* box, QWidget*) {
        QGuiApplication::clipboard()->setText(u"two\nlines\r\n"_s);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Return);
    }) << u"twolines"_s;
    QTest::newRow("committed by an input method, Enter on the keypad")
        << Entering([](QLineEdit* box, QWidget*) {
               QInputMethodEvent commit;
               commit.setCommitString(u"ケルバド"_s);
               QCoreApplication::sendEvent(box, &commit);
               QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
           })
        << u"ケルバド"_s;
    QTest::newRow("erased, the frame's close control") << Entering([](QLineEdit* box, QWidget* entry) {
        QTest::keyClick(box, Qt::Key_Backspace);
        entry->close();
    }) << QString();
}

void ScoreWindowsTest::aNameTypedInTheBoxReachesTheTable() {
    QFETCH(Entering, entering);
    QFETCH(QString, stored);
    GameFixture game;
    QVERIFY(testing::playGameScoring(game.game(), game.platform, 10));
    QWidget* entry = game.control("Form2");
    auto* box = in<QLineEdit>(game, "Form2", "Text1");
    QVERIFY(entry->isVisible());
    QCOMPARE(in<QLabel>(game, "Form2", "Label2")->text(), u"五位"_s);
    QCOMPARE(box->text(), u"名前なし"_s);
    QCOMPARE(box->selectedText(), box->text());
    // The main window is disabled, but the name entry takes input, with the name box first.
    QVERIFY(!game.window().isEnabled());
    QVERIFY(entry->isEnabled() && box->isEnabled());
    QCOMPARE(entry->focusWidget(), box);

    entering(box, entry);
    QVERIFY(!entry->isVisible());
    QVERIFY(isShown(game, "Form3"));
    QVERIFY(!game.window().isEnabled());
    const HighScoreTable after = testing::defaultNamesBut({2000, 1500, 1000, 500, 10}, 5, stored);
    QCOMPARE(rowsOnScreen(game), rowsOf(after));
    QCOMPARE(testing::rowsInFile(game.platform), rowsOf(after));
}

void ScoreWindowsTest::theTableWindowShowsTheTable() {
    GameFixture game(testing::withScoreFile(testing::playedFile()));
    game.choose("B4");
    QWidget* table = game.control("Form3");
    QVERIFY(table->isVisible() && table->isEnabled());
    QCOMPARE(rowsOnScreen(game), rowsOf(testing::playedTable()));
    game.platform.messageBoxes.answer(platform::MessageAnswer::Ok);
    QTest::mouseClick(in<QPushButton>(game, "Form3", "Command2"), Qt::LeftButton);
    QCOMPARE(rowsOnScreen(game), rowsOf(HighScoreTable{}));

    QTest::mouseClick(in<QPushButton>(game, "Form3", "Command1"), Qt::LeftButton);
    QVERIFY(!table->isVisible());
    QCOMPARE(testing::controlStates(game.window()), testing::readyControls());
    // Hidden, not gone: the next showing has the same window, and its frame's close control hides it too.
    game.choose("B4");
    QCOMPARE(game.control("Form3"), table);
    table->close();
    QVERIFY(!table->isVisible());
    QVERIFY(game.window().isEnabled());
}

void ScoreWindowsTest::closingTheMainWindowEndsTheProgramInEveryState_data() {
    QTest::addColumn<State>("state");
    QTest::addColumn<Close>("close");
    QTest::newRow("ready, the frame") << State::Ready << Close::Frame;
    QTest::newRow("ready, the exit item") << State::Ready << Close::ExitItem;
    QTest::newRow("ready, SIGTERM") << State::Ready << Close::Sigterm;
    QTest::newRow("playing, the frame") << State::Playing << Close::Frame;
    QTest::newRow("playing, the exit item") << State::Playing << Close::ExitItem;
    QTest::newRow("playing, SIGINT") << State::Playing << Close::Sigint;
    QTest::newRow("during a shot's wait, SIGTERM") << State::ShotWait << Close::Sigterm;
    QTest::newRow("during a fall's wait, SIGINT") << State::FallWait << Close::Sigint;
    QTest::newRow("name entry, the frame") << State::NameEntry << Close::Frame;
    QTest::newRow("name entry, SIGTERM") << State::NameEntry << Close::Sigterm;
    QTest::newRow("name entry, SIGINT") << State::NameEntry << Close::Sigint;
    QTest::newRow("high-score window, the frame") << State::HighScores << Close::Frame;
    QTest::newRow("high-score window, SIGTERM") << State::HighScores << Close::Sigterm;
    QTest::newRow("speed dialog, the frame") << State::Speed << Close::Frame;
    QTest::newRow("speed dialog, SIGINT") << State::Speed << Close::Sigint;
}

void ScoreWindowsTest::closingTheMainWindowEndsTheProgramInEveryState() {
    QFETCH(State, state);
    QFETCH(Close, close);
    GameFixture game(testing::withScoreFile(testing::playedFile()));
    QWidget& window = game.window();
    platform::CloseOnSignals closeOnSignals(game.window());
    QVERIFY(closeOnSignals.isActive());
    const auto closeNow = [&] {
        switch (close) {
            case Close::Frame:
                // As the window system delivers the frame's close control.
                window.windowHandle()->close();
                break;
            case Close::ExitItem:
                game.choose("B5");
                break;
            case Close::Sigterm:
                ::raise(SIGTERM);
                break;
            case Close::Sigint:
                ::raise(SIGINT);
                break;
        }
    };
    // Whether the window was still open at every wait of an animation the close came in.
    bool openThroughTheWait = true;
    switch (state) {
        case State::Ready:
            break;
        case State::Playing:
        case State::ShotWait:
        case State::FallWait:
            game.clickStart();
            game.advance(750);
            break;
        case State::NameEntry:
            QVERIFY(testing::playGameScoring(game.game(), game.platform, 350));
            QTest::keyClicks(in<QLineEdit>(game, "Form2", "Text1"), u"Ace"_s);
            break;
        case State::HighScores:
            game.choose("B4");
            break;
        case State::Speed:
            game.choose("B6");
            break;
    }
    const int code = testing::runUntilTheProgramEnds([&] {
        if (state != State::ShotWait && state != State::FallWait) {
            closeNow();
            return;
        }
        int waits = 0;
        // The shot's mark has four waits, the fall three more after them.
        const int closeAt = state == State::ShotWait ? 1 : 5;
        game.platform.sleeper.duringWait = [&] {
            if (++waits == closeAt) {
                closeNow();
            }
            openThroughTheWait = openThroughTheWait && window.isVisible();
        };
        game.press(game.control("I3"), Qt::LeftButton);
    });
    game.platform.sleeper.duringWait = nullptr;
    QCOMPARE(code, 0);
    QVERIFY(!window.isVisible());
    QVERIFY(openThroughTheWait);
    if (state == State::ShotWait || state == State::FallWait) {
        // The handler ran to its end before the close: the hit was scored and the bullet spent.
        QCOMPARE(game.game().score(), 30);
        QCOMPARE(game.game().guns().ammoLeft(), 7);
    }
    // Only a name being entered is saved, once, with the name typed so far; nothing opens after it.
    const QByteArray expected =
        state == State::NameEntry
            ? QByteArray("\"Ann\",\"Bob\",\"Ace\",\"Cy\",\"Di\"\r\n500,400,350,300,200\r\n")
            : testing::playedFile();
    QCOMPARE(testing::readScoreFile(game.platform), expected);
    QVERIFY(!isShown(game, "Form2"));
    QCOMPARE(isShown(game, "Form3"), state == State::HighScores);
}

}  // namespace kelvad
