// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HighScoreFileTest.h"

#include "ScoreGames.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScoreFormat.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace kelvad {

using testing::BlockedFolder;
using testing::Obstacle;
using testing::writeBytes;

namespace {

const QString kFileName = u"TOKUTEN"_s;

HighScoreTable someTable() {
    HighScoreTable t;
    t.names = {u"ケルバド"_s, u"a,b"_s, u" spaced "_s, u""_s, u"ｹﾙﾊﾞﾄﾞ"_s};
    t.scores = {40000, 2000, 1500, 1, -250};
    return t;
}

QByteArray fileOf(const HighScoreTable& t) {
    return formatHighScores(t).value();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Everything in a folder, file contents included, to show that a failed write changed nothing and left no
// half-written file behind.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        entries.insert(name, it.fileInfo().isDir() ? QByteArray("<folder>") : readBytes(path));
    }
    return entries;
}

}  // namespace

void HighScoreFileTest::load_data() {
    // Null for no file.
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("pipe");
    QTest::addColumn<HighScoreLoad>("outcome");
    QTest::addColumn<HighScoreTable>("loaded");
    QTest::addColumn<QByteArray>("after");

    const QByteArray defaults = fileOf(HighScoreTable{});
    const auto replaced = HighScoreLoad::DefaultsWritten;
    // Not as the game writes it: ten fields on one line and a third line. It loads and stays as it is.
    const QByteArray oneLine = fileOf(someTable()).replace("\r\n", ",") + "\r\nthird line\r\n";
    QTest::newRow("the first start") << QByteArray() << false << replaced << HighScoreTable{} << defaults;
    QTest::newRow("a readable file kept")
        << oneLine << false << HighScoreLoad::Loaded << someTable() << oneLine;
    QTest::newRow("the names line alone") << fileOf(someTable()).split('\n').first() + '\n'
                                          << false << replaced << HighScoreTable{} << defaults;
    QTest::newRow("empty file") << QByteArray("") << false << replaced << HighScoreTable{} << defaults;
    QTest::newRow("binary") << QByteArray::fromHex("7F454C460201010000000000") << false << replaced
                            << HighScoreTable{} << defaults;
    QTest::newRow("a pipe in the file's place")
        << QByteArray() << true << replaced << HighScoreTable{} << defaults;
}

void HighScoreFileTest::load() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, pipe);
    QFETCH(HighScoreLoad, outcome);
    QFETCH(HighScoreTable, loaded);
    QFETCH(QByteArray, after);
    QTemporaryDir folder;
    const HighScoreFile file = HighScoreFile::inProgramDirectory(folder.path());
    if (pipe) {
        QCOMPARE(::mkfifo(QFile::encodeName(file.path()).constData(), S_IRUSR | S_IWUSR), 0);
    } else if (!stored.isNull()) {
        writeBytes(file.path(), stored);
    }
    HighScoreTable table;
    table.names.fill(u"before"_s);

    QCOMPARE(file.load(table), outcome);
    QCOMPARE(table, loaded);
    QCOMPARE(readBytes(folder.filePath(kFileName)), after);
}

void HighScoreFileTest::loadGoesOnWhenFileCannotBeWritten_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QByteArray>("oldFile");

    const QByteArray damaged = "\"only\",\"names\"\r\n";
    QTest::newRow("a folder in the file's place") << Obstacle::FolderInFilesPlace << QByteArray();
    QTest::newRow("program directory is a file") << Obstacle::FolderIsAFile << QByteArray();
    QTest::newRow("read-only folder, damaged file") << Obstacle::ReadOnlyFolder << damaged;
    QTest::newRow("read-only folder, no file") << Obstacle::ReadOnlyFolder << QByteArray();
    QTest::newRow("full disk, damaged file") << Obstacle::FullDisk << damaged;
    QTest::newRow("full disk, no file") << Obstacle::FullDisk << QByteArray();
}

void HighScoreFileTest::loadGoesOnWhenFileCannotBeWritten() {
    QFETCH(Obstacle, obstacle);
    QFETCH(QByteArray, oldFile);
    QTemporaryDir folder;
    BlockedFolder blocked(obstacle, folder.path(), oldFile);
    if (blocked.skipReason()) {
        QSKIP(blocked.skipReason());
    }
    const auto before = snapshot(folder.path());
    HighScoreTable table = someTable();

    const HighScoreLoad outcome = HighScoreFile(blocked.path()).load(table);
    blocked.lift();

    QCOMPARE(outcome, HighScoreLoad::DefaultsInMemoryOnly);
    QCOMPARE(table, HighScoreTable{});
    QCOMPARE(snapshot(folder.path()), before);
}

void HighScoreFileTest::writes_data() {
    QTest::addColumn<bool>("reset");
    QTest::newRow("a save: the table") << false;
    QTest::newRow("a reset: the defaults, read back") << true;
}

void HighScoreFileTest::writes() {
    QFETCH(bool, reset);
    QTemporaryDir folder;
    const HighScoreFile file(folder.filePath(kFileName));
    writeBytes(file.path(), fileOf(reset ? someTable() : HighScoreTable{}));
    HighScoreTable table = someTable();
    const HighScoreTable expected = reset ? HighScoreTable{} : someTable();

    QVERIFY(!(reset ? file.reset(table) : file.save(table)));
    QCOMPARE(table, expected);
    QCOMPARE(readBytes(file.path()), fileOf(expected));
    // Nothing is left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{kFileName});
}

void HighScoreFileTest::failedWriteKeepsOldFile_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<WriteFailure::Cause>("cause");

    QTest::newRow("a folder in the file's place")
        << Obstacle::FolderInFilesPlace << false << WriteFailure::Cause::NotAFile;
    // The system's own words say that one.
    QTest::newRow("program directory is a file")
        << Obstacle::FolderIsAFile << false << WriteFailure::Cause::Other;
    QTest::newRow("read-only folder")
        << Obstacle::ReadOnlyFolder << false << WriteFailure::Cause::NoPermission;
    QTest::newRow("full disk") << Obstacle::FullDisk << false << WriteFailure::Cause::NoRoom;
    // The defaults are in memory all the same.
    QTest::newRow("full disk at a reset") << Obstacle::FullDisk << true << WriteFailure::Cause::NoRoom;
}

void HighScoreFileTest::failedWriteKeepsOldFile() {
    QFETCH(Obstacle, obstacle);
    QFETCH(bool, reset);
    QFETCH(WriteFailure::Cause, cause);
    QTemporaryDir folder;
    BlockedFolder blocked(obstacle, folder.path(), fileOf(someTable()));
    if (blocked.skipReason()) {
        QSKIP(blocked.skipReason());
    }
    const auto before = snapshot(folder.path());
    HighScoreTable table = someTable();

    const HighScoreFile file(blocked.path());
    const std::optional<WriteFailure> failure = reset ? file.reset(table) : file.save(HighScoreTable{});
    blocked.lift();

    QVERIFY(failure);
    QCOMPARE(failure->cause, cause);
    QVERIFY2(!failure->systemMessage.isEmpty(), "the system's message is kept");
    QCOMPARE(snapshot(folder.path()), before);
    QCOMPARE(table, reset ? HighScoreTable{} : someTable());
}

void HighScoreFileTest::reread_data() {
    // Null for no file.
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("read");

    QTest::newRow("a file changed: the table takes it") << fileOf(someTable()) << true;
    // The table in memory stays, and is written back.
    QTest::newRow("file removed") << QByteArray() << false;
    QTest::newRow("file cut short") << fileOf(HighScoreTable{}).first(30) << false;
}

void HighScoreFileTest::reread() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, read);
    QTemporaryDir folder;
    const HighScoreFile file(folder.filePath(kFileName));
    if (!stored.isNull()) {
        writeBytes(file.path(), stored);
    }
    HighScoreTable table = read ? HighScoreTable{} : someTable();

    QCOMPARE(file.reread(table), read);
    QCOMPARE(table, someTable());
    QCOMPARE(readBytes(file.path()), fileOf(someTable()));
}

}  // namespace kelvad
