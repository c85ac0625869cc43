// Where the scores are kept: beside a portable game, in the player's data folder for an installed one.
#include "ScoreDirectoryTest.h"

#include "platform/ScoreDirectory.h"

#include <QDir>
#include <QFile>
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
