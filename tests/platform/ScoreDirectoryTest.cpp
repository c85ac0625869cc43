// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game's files are, and where the scores are kept: beside a portable game, in the player's data
// folder for an installed one.
#include "ScoreDirectoryTest.h"

#include "platform/ProgramDirectory.h"
#include "platform/ScoreDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using kelvad::platform::chooseScoreDirectory;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

void ScoreDirectoryTest::aWritableProgramDirectoryKeepsTheScores() {
    QTemporaryDir program;
    QTemporaryDir data;
    const QString chosen = chooseScoreDirectory(program.path(), data.filePath(QStringLiteral("kelvad")),
                                                kelvad::platform::folderTakesNewFiles);
    QCOMPARE(chosen, program.path());
    QVERIFY(!QDir(data.filePath(QStringLiteral("kelvad"))).exists());
    // The probe leaves nothing behind.
    QVERIFY(QDir(program.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void ScoreDirectoryTest::anInstalledGameStartsFromItsTableInTheDataFolder() {
    QTemporaryDir program;
    QTemporaryDir data;
    QVERIFY(writeFile(program.filePath(QStringLiteral("TOKUTEN")), "installed"));
    const QString own = data.filePath(QStringLiteral("deep/kelvad"));
    auto readOnly = [](const QString&) { return false; };
    QCOMPARE(chooseScoreDirectory(program.path(), own, readOnly), own);
    QCOMPARE(readFile(own + QStringLiteral("/TOKUTEN")), QByteArray("installed"));
    // Later runs keep the player's table, whatever the installation holds.
    QVERIFY(writeFile(own + QStringLiteral("/TOKUTEN"), "mine"));
    QCOMPARE(chooseScoreDirectory(program.path(), own, readOnly), own);
    QCOMPARE(readFile(own + QStringLiteral("/TOKUTEN")), QByteArray("mine"));
}

void ScoreDirectoryTest::withoutAnInstalledTableTheDataFolderStartsEmpty() {
    QTemporaryDir program;
    QTemporaryDir data;
    const QString own = data.filePath(QStringLiteral("kelvad"));
    QCOMPARE(chooseScoreDirectory(program.path(), own, [](const QString&) { return false; }), own);
    QVERIFY(QDir(own).exists());
    QVERIFY(!QFile::exists(own + QStringLiteral("/TOKUTEN")));
}

void ScoreDirectoryTest::anUnusableDataFolderFallsBackToTheProgramDirectory() {
    QTemporaryDir program;
    QTemporaryDir data;
    // A plain file where the data folder should be.
    QVERIFY(writeFile(data.filePath(QStringLiteral("kelvad")), "x"));
    QCOMPARE(chooseScoreDirectory(program.path(), data.filePath(QStringLiteral("kelvad/sub")),
                                  [](const QString&) { return false; }),
             program.path());
    QCOMPARE(chooseScoreDirectory(program.path(), QString(), [](const QString&) { return false; }),
             program.path());
}

void ScoreDirectoryTest::theGamesFilesAreFound_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("found");
    QTest::addColumn<bool>("soundModule");

    // Paths below a scratch root; the executable is always in prefix/games.
    const QString beside = QStringLiteral("prefix/games/Haitei1.bmp");
    const QString shared = QStringLiteral("prefix/share/games/kelvad/Haitei1.bmp");
    QTest::newRow("a portable program directory")
        << QStringList{beside} << QStringLiteral("prefix/games") << false;
    QTest::newRow("an installed game")
        << QStringList{shared} << QStringLiteral("prefix/share/games/kelvad") << false;
    QTest::newRow("a copy beside the executable comes first")
        << QStringList{beside, shared} << QStringLiteral("prefix/games") << false;
    QTest::newRow("no files anywhere: the executable's folder")
        << QStringList{} << QStringLiteral("prefix/games") << false;
    QTest::newRow("an installed folder without the game's files")
        << QStringList{QStringLiteral("prefix/share/games/kelvad/other.bmp")}
        << QStringLiteral("prefix/games") << false;

    // The sound module is looked for the same way, in the private library folder of an installed game.
    const QString module = QStringLiteral("prefix/lib/games/kelvad/libkelvad-audio.so");
    QTest::newRow("an installed sound module")
        << QStringList{shared, module} << QStringLiteral("prefix/lib/games/kelvad") << true;
    QTest::newRow("a sound module beside the executable comes first")
        << QStringList{QStringLiteral("prefix/games/libkelvad-audio.so"), module}
        << QStringLiteral("prefix/games") << true;
    QTest::newRow("no sound module: the executable's folder")
        << QStringList{shared} << QStringLiteral("prefix/games") << true;
}

void ScoreDirectoryTest::theGamesFilesAreFound() {
    QFETCH(QStringList, files);
    QFETCH(QString, found);
    QFETCH(bool, soundModule);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("prefix/games")));
    for (const QString& file : files) {
        QVERIFY(QDir(root.path()).mkpath(QFileInfo(root.filePath(file)).path()));
        QVERIFY(writeFile(root.filePath(file), "BM"));
    }
    const QString executableDirectory = root.filePath(QStringLiteral("prefix/games"));
    QCOMPARE(soundModule ? kelvad::platform::findSoundModuleDirectory(executableDirectory)
                         : kelvad::platform::findProgramDirectory(executableDirectory),
             root.filePath(found));
}
