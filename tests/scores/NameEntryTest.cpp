// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NameEntryTest.h"

#include "PhaseControls.h"
#include "ScoreGames.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/TextBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace kelvad {

using testing::GameFixture;

namespace {

// How the player puts a name into the box, over the fully selected default name.
enum class Input {
    // Key by key on the keyboard.
    Keys,
    // Pasted from the clipboard with Ctrl+V.
    Paste,
    // Committed by an input method, as Japanese text and emoji are typed.
    InputMethod,
    // The default name deleted and nothing typed.
    Erase,
};

void enter(TextBox* box, Input input, const QString& text) {
    switch (input) {
        case Input::Keys:
            QTest::keyClicks(box, text);
            break;
        case Input::Paste:
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        case Input::InputMethod: {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QCoreApplication::sendEvent(box, &commit);
            break;
        }
        case Input::Erase:
            QTest::keyClick(box, Qt::Key_Backspace);
            break;
    }
}

// The file the game writes for the default table after a game scoring 1 entered a name, from the name's
// bytes between its quotes.
QByteArray fileWithFifthName(const QByteArray& nameBytes) {
    const QByteArray defaultName("\"\x96\xBC\x91\x4F\x82\xC8\x82\xB5\",");
    return defaultName.repeated(4) + '"' + nameBytes + "\"\r\n2000,1500,1000,500,1\r\n";
}

// How the player confirms the name.
enum class Confirm { Ok, Enter, KeypadEnter, CloseControl };

}  // namespace

void NameEntryTest::everyEntryStartsFromTheSelectedDefaultName() {
    GameFixture game;
    MainWindow& window = game.window();
    for (const auto& [score, word] :
         {std::pair(1, u"五位"_s), std::pair(2, u"五位"_s), std::pair(3000, u"一位"_s)}) {
        testing::playGameScoring(game, score);
        NameEntryWindow& entry = window.nameEntryWindow();
        QVERIFY(entry.isVisible());
        QCOMPARE(entry.rankLabel->text(), word);
        QCOMPARE(entry.nameBox->text(), u"名前なし"_s);
        QCOMPARE(entry.nameBox->selectedText(), u"名前なし"_s);
        // The main window is disabled, but the name entry takes input, with the name box first.
        QVERIFY(entry.isEnabled() && entry.nameBox->isEnabled());
        QCOMPARE(entry.focusWidget(), entry.nameBox);
        // Typing without a click first replaces the whole default name.
        QTest::keyClicks(entry.nameBox, u"Kel"_s);
        QCOMPARE(entry.nameBox->text(), u"Kel"_s);
        QTest::mouseClick(entry.okButton, Qt::LeftButton);
        QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);
        QVERIFY(window.isEnabled());
    }
    QCOMPARE(testing::rowsInMemory(game.state()),
             testing::rowsOf(
                 testing::tableOf({3000, 2000, 1500, 1000, 500},
                                  {u"Kel"_s, u"名前なし"_s, u"名前なし"_s, u"名前なし"_s, u"名前なし"_s})));
}

void NameEntryTest::eachWayOfConfirmingStoresTheEntryOnce_data() {
    QTest::addColumn<Confirm>("way");
    QTest::newRow("OK") << Confirm::Ok;
    QTest::newRow("Enter") << Confirm::Enter;
    QTest::newRow("Enter on the keypad") << Confirm::KeypadEnter;
    QTest::newRow("the frame's close control") << Confirm::CloseControl;
}

void NameEntryTest::eachWayOfConfirmingStoresTheEntryOnce() {
    QFETCH(Confirm, way);
    GameFixture game;
    MainWindow& window = game.window();
    testing::playGameScoring(game, 1500);
    NameEntryWindow& entry = window.nameEntryWindow();
    QTest::keyClicks(entry.nameBox, u"Ace"_s);
    switch (way) {
        case Confirm::Ok:
            QTest::mouseClick(entry.okButton, Qt::LeftButton);
            break;
        case Confirm::Enter:
            QTest::keyClick(entry.nameBox, Qt::Key_Return);
            break;
        case Confirm::KeypadEnter:
            QTest::keyClick(entry.nameBox, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Confirm::CloseControl:
            entry.close();
            break;
    }
    QVERIFY(!entry.isVisible());
    // The table follows, and only leaving it gives the main window back.
    QVERIFY(window.highScoreTableWindow().isVisible());
    QVERIFY(!window.isEnabled());
    const HighScoreTable after = testing::defaultNamesBut({2000, 1500, 1500, 1000, 500}, 3, u"Ace"_s);
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(after));
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(after));
    QCOMPARE(testing::rowsInFile(game.platform), testing::rowsOf(after));

    QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);
    QCOMPARE(testing::controlStates(window), testing::readyControls());
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(after));
}

void NameEntryTest::theNameIsStoredAsTheFileReadsItBack_data() {
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("nameBytes");

    QTest::newRow("the empty name: two adjacent quotes")
        << Input::Erase << QString() << QString() << QByteArray("");
    QTest::newRow("spaces around the name kept")
        << Input::Keys << u"  Ace  "_s << u"  Ace  "_s << QByteArray("  Ace  ");
    QTest::newRow("a comma kept") << Input::Keys << u"A,B"_s << u"A,B"_s << QByteArray("A,B");
    QTest::newRow("a double quote dropped")
        << Input::Keys << u"say \"hi\""_s << u"say hi"_s << QByteArray("say hi");
    QTest::newRow("a pasted line break dropped")
        << Input::Paste << u"two\nlines\r\n"_s << u"twolines"_s << QByteArray("twolines");
    QTest::newRow("Japanese from the input method") << Input::InputMethod << u"ケルバド"_s << u"ケルバド"_s
                                                    << QByteArray("\x83\x50\x83\x8B\x83\x6F\x83\x68");
    QTest::newRow("half-width katakana")
        << Input::InputMethod << u"ｹﾙﾊﾞﾄﾞ"_s << u"ｹﾙﾊﾞﾄﾞ"_s << QByteArray("\xB9\xD9\xCA\xDE\xC4\xDE");
    QTest::newRow("the wave dash 〜 stored and shown as ～")
        << Input::InputMethod << u"A\u301CB"_s << u"A\uFF5EB"_s << QByteArray("A\x81`B");
    QTest::newRow("an emoji stored as ?")
        << Input::InputMethod << u"A\U0001F600B"_s << u"A?B"_s << QByteArray("A?B");
}

void NameEntryTest::theNameIsStoredAsTheFileReadsItBack() {
    QFETCH(Input, input);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QByteArray, nameBytes);
    GameFixture game;
    MainWindow& window = game.window();
    testing::playGameScoring(game, 1);
    NameEntryWindow& entry = window.nameEntryWindow();
    enter(entry.nameBox, input, typed);
    QTest::mouseClick(entry.okButton, Qt::LeftButton);

    const HighScoreTable after = testing::defaultNamesBut({2000, 1500, 1000, 500, 1}, 5, stored);
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(after));
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(after));
    QCOMPARE(testing::readScoreFile(game.platform), fileWithFifthName(nameBytes));
    QCOMPARE(testing::rowsInFile(game.platform), testing::rowsOf(after));
}

}  // namespace kelvad
