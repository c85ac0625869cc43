// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HighScoreTableTest.h"

#include "PhaseControls.h"
#include "ScoreGames.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace kelvad {

using platform::MessageAnswer;
using testing::BlockedFolder;
using testing::Obstacle;
using testing::rowsOf;
using testing::ScoreGame;
using testing::TestPlatform;

namespace {

// How the table came to be open.
enum class Opened { AfterGameWithoutPlace, AfterNameEntry, FromMenu };

// Opens the table over the played one.
bool open(ScoreGame& game, Opened how) {
    switch (how) {
        case Opened::AfterGameWithoutPlace:
            // Under the fifth, with a yellow and a black man hit.
            return testing::playGameScoring(game, 40) && game->highScoreTableOpen();
        case Opened::AfterNameEntry:
            if (!testing::playGameScoring(game, 110)) {
                return false;
            }
            game->confirmName();
            break;
        case Opened::FromMenu:
            game->chooseHighScores();
            break;
    }
    return game->highScoreTableOpen();
}

const HighScoreTable kPlayedWithAce =
    testing::tableOf({500, 400, 350, 300, 200}, {u"Ann"_s, u"Bob"_s, u"Ace"_s, u"Cy"_s, u"Di"_s});

// The reason a box gives for each obstacle.
QString reasonFor(Obstacle obstacle) {
    return obstacle == Obstacle::FolderInFilesPlace
               ? u"ファイルの場所に、ファイルでないもの（フォルダなど）があります。"_s
               : u"フォルダに書き込む権限がありません。"_s;
}

// The last box shown tells that a change of the table is not in the file, and why.
void verifyToldUnsaved(ScoreGame& game, const QString& opening, Obstacle obstacle) {
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

// A game scoring 350, with "Ace" entered for it: fifth against the defaults, third against the played table.
void enterAce(ScoreGame& game) {
    QVERIFY(testing::playGameScoring(game, 350));
    QVERIFY(game->nameEntry().pending());
    game->typeName(u"Ace"_s);
    game->confirmName();
    QVERIFY(game->highScoreTableOpen());
}

}  // namespace

void HighScoreTableTest::eachWayOutGivesBackTheMainWindow_data() {
    QTest::addColumn<Opened>("how");
    QTest::addColumn<bool>("byFrame");
    QTest::addColumn<QStringList>("controls");
    const QStringList ready = testing::readyControls();
    QTest::newRow("after a game without a place, OK") << Opened::AfterGameWithoutPlace << false << ready;
    QTest::newRow("after a name entry, OK") << Opened::AfterNameEntry << false << ready;
    QTest::newRow("from the menu, OK") << Opened::FromMenu << false << ready;
    // The main window and its start items come back; the rest keeps the state the end of the game left.
    QTest::newRow("after a game with 2 kills, the close control")
        << Opened::AfterGameWithoutPlace << true
        << u"Form1 on|TAITOLU(0) shown|TAITOLU(1) shown|Command1 off|B1 on|B4 on|A2 on|B19 on|B21 on|"
           u"Picture2 off|Label20 2"_s.split(u'|');
    QTest::newRow("from the menu, the close control: still ready") << Opened::FromMenu << true << ready;
}

void HighScoreTableTest::eachWayOutGivesBackTheMainWindow() {
    QFETCH(Opened, how);
    QFETCH(bool, byFrame);
    QFETCH(QStringList, controls);
    ScoreGame game(testing::withScoreFile(testing::playedFile()));
    QVERIFY(open(game, how));
    QVERIFY(!game->mainWindowEnabled());
    const QStringList rows = rowsOf(game->highScores().table());

    if (byFrame) {
        game->closeTableByFrame();
    } else {
        game->confirmTable();
    }
    QVERIFY(!game->highScoreTableOpen());
    QCOMPARE(testing::controlStates(*game), controls);

    // The table shows again from the menu, and the menu starts the next game.
    game->chooseHighScores();
    QVERIFY(game->highScoreTableOpen());
    QCOMPARE(rowsOf(game->highScores().table()), rows);
    game->confirmTable();
    game->chooseStart();
    QVERIFY(game->playing());
    QCOMPARE(game->timeLeft(), Game::kTicksPerGame);
}

void HighScoreTableTest::theResetAsksFirst_data() {
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<HighScoreTable>("after");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::newRow("OK: the defaults") << MessageAnswer::Ok << HighScoreTable{} << testing::defaultScoreFile();
    QTest::newRow("Cancel: nothing changes")
        << MessageAnswer::Cancel << testing::playedTable() << testing::playedFile();
}

void HighScoreTableTest::theResetAsksFirst() {
    QFETCH(MessageAnswer, answer);
    QFETCH(HighScoreTable, after);
    QFETCH(QByteArray, fileAfter);
    ScoreGame game(testing::withScoreFile(testing::playedFile()));
    game->chooseHighScores();
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(testing::playedTable()));

    game.platform.messageBoxes.answer(answer);
    game->resetTable();
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    const testing::ShownBox& box = game.platform.messageBoxes.shown.back();
    QCOMPARE(box.title, u"ｹﾙﾊﾞﾄﾞ解消ｹﾞｰﾑ"_s);
    QCOMPARE(box.text, u"データを初期化してもよろしいですか？"_s);
    QCOMPARE(box.buttons, platform::MessageButtons::OkCancel);
    QCOMPARE(box.icon, platform::MessageIcon::Question);
    // The question is about the table: it belongs to the table, not to the disabled main window.
    QCOMPARE(box.owner, platform::BoxOwner::HighScoreTable);

    QVERIFY(game->highScoreTableOpen());
    QVERIFY(!game->mainWindowEnabled());
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(after));
    QCOMPARE(testing::readScoreFile(game.platform), fileAfter);
}

void HighScoreTableTest::afterAResetTheSameScoreRanksFifth() {
    ScoreGame game(testing::withScoreFile(testing::playedFile()));
    QVERIFY(testing::playGameScoring(game, 10));
    QVERIFY(game->highScoreTableOpen());
    // Unanswered, the question takes its first button: OK.
    game->resetTable();
    game->confirmTable();

    QSignalSpy opened(&game->nameEntry(), &NameEntry::opened);
    QVERIFY(testing::playGameScoring(game, 10));
    QCOMPARE(opened.value(0).value(0), u"五位"_s);
    game->pressKeyInName(Qt::Key_Return);
    const HighScoreTable after = testing::defaultNamesBut({2000, 1500, 1000, 500, 10}, 0, {});
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(after));
    QCOMPARE(testing::rowsInFile(game.platform), rowsOf(after));
}

void HighScoreTableTest::theMenuReadsTheFileAgain() {
    ScoreGame game;
    // Changed behind the game's back, as by a second copy of the game or an editor.
    QVERIFY(testing::writeScoreFile(game.platform, testing::playedFile()));
    QSignalSpy shown(&game->highScores(), &HighScores::tableChanged);
    game->chooseHighScores();
    QCOMPARE(rowsOf(shown.constLast().at(0).value<HighScoreTable>()), rowsOf(testing::playedTable()));
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(testing::playedTable()));
    game->confirmTable();

    // The next game ranks against what the table showed: 50 would have been fifth in the defaults.
    QVERIFY(testing::playGameScoring(game, 50));
    QVERIFY(!game->nameEntry().pending());
    QVERIFY(game->highScoreTableOpen());
}

void HighScoreTableTest::theTableAtTheEndOfAGameIsTheCurrentOne() {
    ScoreGame game;
    QSignalSpy shown(&game->highScores(), &HighScores::tableChanged);
    QVERIFY(testing::playGameScoring(game, 10));
    game->typeName(u"Ace"_s);
    game->pressKeyInName(Qt::Key_Return);
    // Left by the close control this time, so the next game starts from the menu.
    game->closeTableByFrame();
    QVERIFY(testing::playGameScoring(game, 0));

    QVERIFY(game->highScoreTableOpen());
    const HighScoreTable current = testing::defaultNamesBut({2000, 1500, 1000, 500, 10}, 5, u"Ace"_s);
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(current));
    QCOMPARE(rowsOf(shown.constLast().at(0).value<HighScoreTable>()), rowsOf(current));
}

void HighScoreTableTest::theFirstRunWritesTheDefaultFile() {
    ScoreGame game;
    QCOMPARE(testing::readScoreFile(game.platform), testing::defaultScoreFile());
    QCOMPARE(testing::readScoreFile(game.platform).size(), 78);
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(HighScoreTable{}));
    QVERIFY(!game->highScoreTableOpen());
    QVERIFY(game.platform.messageBoxes.shown.empty());
}

void HighScoreTableTest::anUnwritableFileAtStartUp_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QByteArray>("oldFile");
    QTest::addColumn<HighScoreTable>("loaded");
    QTest::addColumn<HighScoreTable>("withAce");
    const HighScoreTable defaultsWithAce =
        testing::defaultNamesBut({2000, 1500, 1000, 500, 350}, 5, u"Ace"_s);
    QTest::newRow("a folder in the file's place")
        << Obstacle::FolderInFilesPlace << QByteArray() << HighScoreTable{} << defaultsWithAce;
    QTest::newRow("a read-only folder without a file")
        << Obstacle::ReadOnlyFolder << QByteArray() << HighScoreTable{} << defaultsWithAce;
    QTest::newRow("a read-only folder with a table")
        << Obstacle::ReadOnlyFolder << testing::playedFile() << testing::playedTable() << kPlayedWithAce;
}

void HighScoreTableTest::anUnwritableFileAtStartUp() {
    QFETCH(Obstacle, obstacle);
    QFETCH(QByteArray, oldFile);
    QFETCH(HighScoreTable, loaded);
    QFETCH(HighScoreTable, withAce);
    std::unique_ptr<BlockedFolder> blocked;
    ScoreGame game([&](TestPlatform& platform) {
        blocked = std::make_unique<BlockedFolder>(obstacle, platform.platform().scoreDirectory, oldFile);
    });
    // Lifted before the game removes its folder.
    const auto lift = qScopeGuard([&] { blocked.reset(); });
    if (blocked->skipReason()) {
        QSKIP(blocked->skipReason());
    }
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(loaded));
    // Nothing is lost at start-up: no box.
    const auto& shown = game.platform.messageBoxes.shown;
    QVERIFY(shown.empty());

    // The game goes on, and the new entry stays in the table for the rest of the run; the player is told.
    enterAce(game);
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(withAce));
    QCOMPARE(shown.size(), std::size_t{2});
    verifyToldUnsaved(game, kEntryUnsaved, obstacle);
    game->confirmTable();
    QCOMPARE(testing::controlStates(*game), testing::readyControls());
    game->chooseHighScores();
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(withAce));

    // So is a reset the file cannot take, once.
    game.platform.messageBoxes.answer(platform::MessageAnswer::Ok);
    game->resetTable();
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(HighScoreTable{}));
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

void HighScoreTableTest::anUnwritableFileAtASave_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("a folder in the file's place") << Obstacle::FolderInFilesPlace;
    QTest::newRow("a read-only folder") << Obstacle::ReadOnlyFolder;
}

void HighScoreTableTest::anUnwritableFileAtASave() {
    QFETCH(Obstacle, obstacle);
    ScoreGame game(testing::withScoreFile(testing::playedFile()));
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(testing::playedTable()));
    BlockedFolder blocked(obstacle, game.platform.platform().scoreDirectory);
    if (blocked.skipReason()) {
        QSKIP(blocked.skipReason());
    }

    enterAce(game);
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(kPlayedWithAce));
    // After the score, one box says that the entry is not in the file, over the table that shows it.
    const auto& shown = game.platform.messageBoxes.shown;
    QCOMPARE(shown.size(), std::size_t{2});
    verifyToldUnsaved(game, kEntryUnsaved, obstacle);
    game->confirmTable();
    QCOMPARE(testing::controlStates(*game), testing::readyControls());

    // Opening the table from the menu does not lose the entry the file could not take, and tries again
    // without a second box for the same change.
    game->chooseHighScores();
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(kPlayedWithAce));
    QVERIFY(game->highScores().unsaved());
    if (obstacle == Obstacle::FolderInFilesPlace) {
        QVERIFY(QFileInfo(testing::scoreFilePath(game.platform)).isDir());
    } else {
        QCOMPARE(testing::readScoreFile(game.platform), testing::playedFile());
    }
    game->confirmTable();

    // Once the file can be written again, the next opening of the table puts the entry into it, silently.
    blocked.lift(true);
    game->chooseHighScores();
    QCOMPARE(testing::rowsInFile(game.platform), rowsOf(kPlayedWithAce));
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(kPlayedWithAce));
    QVERIFY(!game->highScores().unsaved());
    QCOMPARE(shown.size(), std::size_t{2});
}

void HighScoreTableTest::anEntryAnotherCopyMadeMeanwhileIsKept_data() {
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

void HighScoreTableTest::anEntryAnotherCopyMadeMeanwhileIsKept() {
    QFETCH(QByteArray, otherCopysFile);
    QFETCH(bool, staleLock);
    QFETCH(QByteArray, after);
    ScoreGame game(testing::withScoreFile("\"n1\",\"n2\",\"n3\",\"n4\",\"n5\"\r\n10,5,-1,-5,-10\r\n"));
    QVERIFY(testing::playGameScoring(game, 0));
    QVERIFY(game->nameEntry().pending());
    game->typeName(u"P2"_s);
    QVERIFY(testing::writeScoreFile(game.platform, otherCopysFile));
    const QString lockPath = testing::scoreFilePath(game.platform) + u".lock"_s;
    if (staleLock) {
        // The lock of a process that is gone: its number, its name and this host.
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(std::numeric_limits<qint32>::max()) + "\nkelvad\n" +
                   QSysInfo::machineHostName().toUtf8() + '\n');
    }
    game->confirmName();
    QCOMPARE(testing::readScoreFile(game.platform), after);
    // The file took the change: the score was the only box.
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    QCOMPARE(rowsOf(game->highScores().table()), testing::rowsInFile(game.platform));
    QVERIFY(!QFileInfo::exists(lockPath));
}

}  // namespace kelvad
