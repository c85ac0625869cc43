// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreFileInGameTest.h"

#include "PhaseControls.h"
#include "ScoreGames.h"
#include "platform/CloseOnSignals.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/TextBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTest>
#include <QWindow>

#include <csignal>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace kelvad {

using testing::GameFixture;
using testing::TestPlatform;

namespace {

const QByteArray kPlayedFile = "\"Ann\",\"Bob\",\"Cy\",\"Di\",\"Ed\"\r\n5000,4000,3000,2000,1000\r\n";
const HighScoreTable kPlayedTable =
    testing::tableOf({5000, 4000, 3000, 2000, 1000}, {u"Ann"_s, u"Bob"_s, u"Cy"_s, u"Di"_s, u"Ed"_s});
const HighScoreTable kPlayedWithAce =
    testing::tableOf({5000, 4000, 3500, 3000, 2000}, {u"Ann"_s, u"Bob"_s, u"Ace"_s, u"Cy"_s, u"Di"_s});

// Where the game is when its main window is closed, and how it is closed.
enum class State { Ready, Playing, ShotWait, FallWait, NameEntry, HighScores, Speed };
enum class Close { Frame, ExitItem, Sigterm, Sigint };

// What stands in the way of the game's writes.
enum class Obstacle { FolderInFilesPlace, ReadOnlyFolder };

// Sets the obstacle up in the fixture's score folder until it is lifted or gone.
class Blocked {
public:
    Blocked(TestPlatform& platform, Obstacle obstacle) : m_file(testing::scoreFilePath(platform)) {
        switch (obstacle) {
            case Obstacle::FolderInFilesPlace:
                QFile::remove(m_file);
                QDir().mkpath(m_file);
                m_folderInPlace = true;
                break;
            case Obstacle::ReadOnlyFolder:
                m_readOnly = std::make_unique<testing::ReadOnlyFolder>(QFileInfo(m_file).path());
                break;
        }
    }
    const char* skipReason() const { return m_readOnly ? m_readOnly->skipReason() : nullptr; }

    void lift() {
        m_readOnly.reset();
        if (m_folderInPlace) {
            QDir(m_file).removeRecursively();
            m_folderInPlace = false;
        }
    }

private:
    QString m_file;
    bool m_folderInPlace = false;
    std::unique_ptr<testing::ReadOnlyFolder> m_readOnly;
};

// The reason a box gives for each obstacle.
QString reasonFor(Obstacle obstacle) {
    return obstacle == Obstacle::FolderInFilesPlace
               ? u"ファイルの場所に、ファイルでないもの（フォルダなど）があります。"_s
               : u"フォルダに書き込む権限がありません。"_s;
}

// The last box shown tells that a change of the table is not in the file, and why.
void verifyToldUnsaved(GameFixture& game, const QString& opening, Obstacle obstacle) {
    const testing::ShownBox& told = game.platform.messageBoxes.shown.back();
    QCOMPARE(told.owner, platform::BoxOwner::MainWindow);
    QCOMPARE(told.title, u"ケルバド解消ゲーム"_s);
    QCOMPARE(told.icon, platform::MessageIcon::Warning);
    QVERIFY2(told.text.startsWith(opening), qPrintable(told.text));
    QVERIFY2(told.text.contains(u"ファイル："_s + testing::scoreFilePath(game.platform) + u'\n'),
             qPrintable(told.text));
    QVERIFY2(told.text.contains(u"理由："_s + reasonFor(obstacle) + u'\n'), qPrintable(told.text));
}

const QString kEntryUnsaved = u"得点はハイスコアの表に入りましたが、ファイルに保存できませんでした。"_s;
const QString kResetUnsaved = u"ハイスコアの表は初期化されましたが、ファイルに保存できませんでした。"_s;

// A game scoring 3500, with "Ace" entered for it: first against the defaults, third against the played table.
void enterAce(GameFixture& game) {
    testing::playGameScoring(game, 3500);
    MainWindow& window = game.window();
    QVERIFY(window.nameEntryWindow().isVisible());
    QTest::keyClicks(window.nameEntryWindow().nameBox, u"Ace"_s);
    QTest::mouseClick(window.nameEntryWindow().okButton, Qt::LeftButton);
    QVERIFY(window.highScoreTableWindow().isVisible());
}

}  // namespace

void ScoreFileInGameTest::theFirstRunWritesTheDefaultFile() {
    GameFixture game;
    QCOMPARE(testing::readScoreFile(game.platform), testing::defaultScoreFile());
    QCOMPARE(testing::readScoreFile(game.platform).size(), 78);
    QCOMPARE(testing::rowsOnScreen(game.window()), testing::rowsOf(HighScoreTable{}));
    QVERIFY(!game.window().highScoreTableWindow().isVisible());
}

void ScoreFileInGameTest::anUnwritableFileAtStartUp_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QByteArray>("oldFile");
    QTest::addColumn<HighScoreTable>("loaded");
    QTest::addColumn<HighScoreTable>("withAce");
    const HighScoreTable defaultsWithAce =
        testing::defaultNamesBut({3500, 2000, 1500, 1000, 500}, 1, u"Ace"_s);
    QTest::newRow("a folder in the file's place")
        << Obstacle::FolderInFilesPlace << QByteArray() << HighScoreTable{} << defaultsWithAce;
    QTest::newRow("a read-only folder without a file")
        << Obstacle::ReadOnlyFolder << QByteArray() << HighScoreTable{} << defaultsWithAce;
    QTest::newRow("a read-only folder with a table")
        << Obstacle::ReadOnlyFolder << kPlayedFile << kPlayedTable << kPlayedWithAce;
}

void ScoreFileInGameTest::anUnwritableFileAtStartUp() {
    QFETCH(Obstacle, obstacle);
    QFETCH(QByteArray, oldFile);
    QFETCH(HighScoreTable, loaded);
    QFETCH(HighScoreTable, withAce);
    std::unique_ptr<Blocked> blocked;
    GameFixture game([&](TestPlatform& platform) {
        if (!oldFile.isNull()) {
            QVERIFY(testing::writeScoreFile(platform, oldFile));
        }
        blocked = std::make_unique<Blocked>(platform, obstacle);
    });
    // Lifted before the fixture removes its folder.
    const auto lift = qScopeGuard([&] { blocked.reset(); });
    if (blocked->skipReason()) {
        QSKIP(blocked->skipReason());
    }
    MainWindow& window = game.window();
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(loaded));
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(loaded));
    // Nothing is lost at start-up: no box.
    const auto& shown = game.platform.messageBoxes.shown;
    QVERIFY(shown.empty());

    // The game goes on, and the new entry stays in the table for the rest of the run; the player is told.
    enterAce(game);
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(withAce));
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(withAce));
    QCOMPARE(shown.size(), std::size_t{2});
    verifyToldUnsaved(game, kEntryUnsaved, obstacle);
    QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);
    QCOMPARE(testing::controlStates(window), testing::readyControls());
    window.highScoresAction->trigger();
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(withAce));

    // So is a reset the file cannot take, once.
    game.platform.messageBoxes.answer(platform::MessageAnswer::Ok);
    QTest::mouseClick(window.highScoreTableWindow().resetButton, Qt::LeftButton);
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(HighScoreTable{}));
    QCOMPARE(shown.size(), std::size_t{4});
    verifyToldUnsaved(game, kResetUnsaved, obstacle);

    // Whatever was in the file's place is as it was.
    const QFileInfo file(testing::scoreFilePath(game.platform));
    if (obstacle == Obstacle::FolderInFilesPlace) {
        QVERIFY(file.isDir());
    } else {
        QCOMPARE(testing::readScoreFile(game.platform), oldFile);
    }
}

void ScoreFileInGameTest::anUnwritableFileAtASave_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("a folder in the file's place") << Obstacle::FolderInFilesPlace;
    QTest::newRow("a read-only folder") << Obstacle::ReadOnlyFolder;
}

void ScoreFileInGameTest::anUnwritableFileAtASave() {
    QFETCH(Obstacle, obstacle);
    GameFixture game([](TestPlatform& platform) { QVERIFY(testing::writeScoreFile(platform, kPlayedFile)); });
    MainWindow& window = game.window();
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(kPlayedTable));
    Blocked blocked(game.platform, obstacle);
    if (blocked.skipReason()) {
        QSKIP(blocked.skipReason());
    }

    enterAce(game);
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(kPlayedWithAce));
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(kPlayedWithAce));
    // After the score, one box says that the entry is not in the file, over the table that shows it.
    const auto& shown = game.platform.messageBoxes.shown;
    QCOMPARE(shown.size(), std::size_t{2});
    verifyToldUnsaved(game, kEntryUnsaved, obstacle);
    QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);
    QCOMPARE(testing::controlStates(window), testing::readyControls());

    // Opening the table from the menu does not lose the entry the file could not take, and tries again
    // without a second box for the same change.
    window.highScoresAction->trigger();
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(kPlayedWithAce));
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(kPlayedWithAce));
    if (obstacle == Obstacle::FolderInFilesPlace) {
        QVERIFY(QFileInfo(testing::scoreFilePath(game.platform)).isDir());
    } else {
        QCOMPARE(testing::readScoreFile(game.platform), kPlayedFile);
    }
    QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);

    // Once the file can be written again, the next opening of the table puts the entry into it, silently.
    blocked.lift();
    window.highScoresAction->trigger();
    QCOMPARE(testing::rowsInFile(game.platform), testing::rowsOf(kPlayedWithAce));
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(kPlayedWithAce));
    QCOMPARE(shown.size(), std::size_t{2});
}

void ScoreFileInGameTest::anEntryAnotherCopyMadeMeanwhileIsKept_data() {
    QTest::addColumn<QByteArray>("otherCopysFile");
    QTest::addColumn<bool>("staleLock");
    QTest::addColumn<QByteArray>("after");
    const QByteArray names = "\"n1\",\"n2\",\"n3\",\"n4\",\"n5\"\r\n";
    const QByteArray withP1 = "\"n1\",\"n2\",\"P1\",\"n3\",\"n4\"\r\n10,5,0,-1,-5\r\n";
    // This game scored 0 against 10, 5, -1, -5, -10 and entered "P2"; the other copy, started at the same
    // time, entered "P1" for 0 first. The tie goes to the older entry.
    QTest::newRow("an equal score entered first: below it")
        << withP1 << false << QByteArray("\"n1\",\"n2\",\"P1\",\"P2\",\"n3\"\r\n10,5,0,0,-1\r\n");
    QTest::newRow("a lock left by a copy that crashed is taken over")
        << withP1 << true << QByteArray("\"n1\",\"n2\",\"P1\",\"P2\",\"n3\"\r\n10,5,0,0,-1\r\n");
    QTest::newRow("better scores entered meanwhile: no place left") << names + "10,5,4,3,2\r\n"
                                                                    << false << names + "10,5,4,3,2\r\n";
    QTest::newRow("a file damaged meanwhile: the table as this copy had it")
        << QByteArray("\"n1\",\"n2") << false
        << QByteArray("\"n1\",\"n2\",\"P2\",\"n3\",\"n4\"\r\n10,5,0,-1,-5\r\n");
}

void ScoreFileInGameTest::anEntryAnotherCopyMadeMeanwhileIsKept() {
    QFETCH(QByteArray, otherCopysFile);
    QFETCH(bool, staleLock);
    QFETCH(QByteArray, after);
    GameFixture game([](TestPlatform& platform) {
        QVERIFY(
            testing::writeScoreFile(platform, "\"n1\",\"n2\",\"n3\",\"n4\",\"n5\"\r\n10,5,-1,-5,-10\r\n"));
    });
    MainWindow& window = game.window();
    testing::playGameScoring(game, 0);
    QVERIFY(window.nameEntryWindow().isVisible());
    QTest::keyClicks(window.nameEntryWindow().nameBox, u"P2"_s);
    QVERIFY(testing::writeScoreFile(game.platform, otherCopysFile));
    const QString lockPath = testing::scoreFilePath(game.platform) + u".lock"_s;
    if (staleLock) {
        // The lock of a process that is gone: its number, its name and this host.
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(std::numeric_limits<qint32>::max()) + "\nkelvad\n" +
                   QSysInfo::machineHostName().toUtf8() + '\n');
    }
    QTest::mouseClick(window.nameEntryWindow().okButton, Qt::LeftButton);
    QCOMPARE(testing::readScoreFile(game.platform), after);
    // The file took the change: the score was the only box.
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsInFile(game.platform));
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsInFile(game.platform));
    QVERIFY(!QFileInfo::exists(lockPath));
}

void ScoreFileInGameTest::closingTheMainWindowEndsTheProgramInEveryState_data() {
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

void ScoreFileInGameTest::closingTheMainWindowEndsTheProgramInEveryState() {
    QFETCH(State, state);
    QFETCH(Close, close);
    GameFixture game([](TestPlatform& platform) { QVERIFY(testing::writeScoreFile(platform, kPlayedFile)); });
    MainWindow& window = game.window();
    kelvad::GameState& played = game.state();
    platform::CloseOnSignals closeOnSignals(window);
    QVERIFY(closeOnSignals.isActive());
    const auto closeNow = [&] {
        switch (close) {
            case Close::Frame:
                // As the window system delivers the frame's close control.
                window.windowHandle()->close();
                break;
            case Close::ExitItem:
                window.exitAction->trigger();
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
            testing::playGameScoring(game, 3500);
            QVERIFY(window.nameEntryWindow().isVisible());
            QTest::keyClicks(window.nameEntryWindow().nameBox, u"Ace"_s);
            break;
        case State::HighScores:
            window.highScoresAction->trigger();
            break;
        case State::Speed:
            window.gameSpeedAction->trigger();
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
        game.press(window.men[2], 1);
    });
    game.platform.sleeper.duringWait = nullptr;
    QCOMPARE(code, 0);
    QVERIFY(!window.isVisible());
    QVERIFY(openThroughTheWait);
    if (state == State::ShotWait || state == State::FallWait) {
        // The handler ran to its end before the close: the hit was scored and the bullet spent.
        QCOMPARE(played.score, 30);
        QCOMPARE(played.ammoLeft, 7);
    }
    // Only a name being entered is saved, once, with the name typed so far; nothing opens after it.
    const QByteArray expected = state == State::NameEntry ? QByteArray(
                                                                "\"Ann\",\"Bob\",\"Ace\",\"Cy\",\"Di\"\r\n"
                                                                "5000,4000,3500,3000,2000\r\n")
                                                          : kPlayedFile;
    QCOMPARE(testing::readScoreFile(game.platform), expected);
    QVERIFY(!window.nameEntryWindow().isVisible());
    QCOMPARE(window.highScoreTableWindow().isVisible(), state == State::HighScores);
}

}  // namespace kelvad
