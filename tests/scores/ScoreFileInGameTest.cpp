#include "ScoreFileInGameTest.h"

#include "ScoreGames.h"
#include "game/GameState.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/TextBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

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

// A game scoring 3500, with "Ace" entered for it: first against the defaults, third against the played table.
void enterAce(GameFixture& game) {
    testing::playGameScoring(game, 3500);
    Form1& form = game.form();
    QVERIFY(form.form2().isVisible());
    QTest::keyClicks(form.form2().Text1, u"Ace"_s);
    QTest::mouseClick(form.form2().Command1, Qt::LeftButton);
    QVERIFY(form.form3().isVisible());
}

}  // namespace

void ScoreFileInGameTest::theFirstRunWritesTheDefaultFile() {
    GameFixture game;
    QCOMPARE(testing::readScoreFile(game.platform), testing::defaultScoreFile());
    QCOMPARE(testing::readScoreFile(game.platform).size(), 78);
    QCOMPARE(testing::rowsOnScreen(game.form()), testing::rowsOf(HighScoreTable{}));
    QVERIFY(!game.form().form3().isVisible());
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
    Form1& form = game.form();
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(loaded));
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(loaded));

    // The game goes on, and the new entry stays in the table for the rest of the run.
    enterAce(game);
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(withAce));
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(withAce));
    QTest::mouseClick(form.form3().Command1, Qt::LeftButton);
    QCOMPARE(testing::notReadyForANewGame(form), QStringList());
    form.B4->trigger();
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(withAce));

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
    Form1& form = game.form();
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(kPlayedTable));
    Blocked blocked(game.platform, obstacle);
    if (blocked.skipReason()) {
        QSKIP(blocked.skipReason());
    }

    enterAce(game);
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(kPlayedWithAce));
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(kPlayedWithAce));
    QTest::mouseClick(form.form3().Command1, Qt::LeftButton);
    QCOMPARE(testing::notReadyForANewGame(form), QStringList());

    // Opening the table from the menu does not lose the entry the file could not take.
    form.B4->trigger();
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(kPlayedWithAce));
    QCOMPARE(testing::rowsInMemory(), testing::rowsOf(kPlayedWithAce));
    if (obstacle == Obstacle::FolderInFilesPlace) {
        QVERIFY(QFileInfo(testing::scoreFilePath(game.platform)).isDir());
    } else {
        QCOMPARE(testing::readScoreFile(game.platform), kPlayedFile);
    }
    QTest::mouseClick(form.form3().Command1, Qt::LeftButton);

    // Once the file can be written again, the next opening of the table puts the entry into it.
    blocked.lift();
    form.B4->trigger();
    QCOMPARE(testing::rowsInFile(game.platform), testing::rowsOf(kPlayedWithAce));
    QCOMPARE(testing::rowsOnScreen(form), testing::rowsOf(kPlayedWithAce));
}

}  // namespace kelvad
