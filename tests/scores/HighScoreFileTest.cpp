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

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <memory>

using namespace Qt::StringLiterals;

namespace kelvad {

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

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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

// What keeps the game from writing its file.
enum class Obstacle { FolderInFilesPlace, FolderIsAFile, ReadOnlyFolder, FullDisk };

// Sets up an obstacle in a folder, with the given old file where the obstacle allows one, for as long as it
// lives. Some obstacles cannot be made on every machine; skipReason then says why.
class BlockedFolder {
public:
    BlockedFolder(Obstacle obstacle, const QString& folder, const QByteArray& oldFile) : m_folder(folder) {
        m_path = folder + u'/' + kFileName;
        switch (obstacle) {
            case Obstacle::FolderInFilesPlace:
                QDir(folder).mkpath(kFileName);
                writeBytes(m_path + u"/kept"_s, "kept");
                break;
            case Obstacle::FolderIsAFile:
                writeBytes(folder + u"/notafolder"_s, "kept");
                m_path = folder + u"/notafolder/"_s + kFileName;
                break;
            case Obstacle::ReadOnlyFolder:
                putOldFile(oldFile);
                makeReadOnly();
                break;
            case Obstacle::FullDisk:
                putOldFile(oldFile);
                fillDisk();
                break;
        }
    }
    ~BlockedFolder() { lift(); }

    const QString& path() const { return m_path; }
    const char* skipReason() const { return m_readOnly ? m_readOnly->skipReason() : m_skipReason; }

    void lift() {
        m_readOnly.reset();
        if (m_diskFull) {
            ::setrlimit(RLIMIT_FSIZE, &m_oldFileSizeLimit);
            std::signal(SIGXFSZ, m_oldSignalHandler);
            m_diskFull = false;
        }
    }

private:
    void putOldFile(const QByteArray& oldFile) {
        if (!oldFile.isNull()) {
            writeBytes(m_path, oldFile);
        }
    }

    void makeReadOnly() { m_readOnly = std::make_unique<testing::ReadOnlyFolder>(m_folder); }

    // A file size limit makes every write past a few bytes fail as a full disk does.
    void fillDisk() {
        ::getrlimit(RLIMIT_FSIZE, &m_oldFileSizeLimit);
        m_oldSignalHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = m_oldFileSizeLimit;
        tiny.rlim_cur = 16;
        m_diskFull = true;
        if (::setrlimit(RLIMIT_FSIZE, &tiny) != 0) {
            m_skipReason = "the file size limit cannot be set here";
        }
    }

    QString m_folder;
    QString m_path;
    const char* m_skipReason = nullptr;
    std::unique_ptr<testing::ReadOnlyFolder> m_readOnly;
    bool m_diskFull = false;
    rlimit m_oldFileSizeLimit{};
    void (*m_oldSignalHandler)(int) = SIG_DFL;
};

}  // namespace

void HighScoreFileTest::firstStartWritesDefaultFile() {
    QTemporaryDir folder;
    const HighScoreFile file = HighScoreFile::inProgramDirectory(folder.path());
    HighScoreTable table = someTable();

    QCOMPARE(file.load(table), HighScoreLoad::DefaultsWritten);
    QCOMPARE(table, HighScoreTable{});
    const QByteArray written = readBytes(folder.filePath(kFileName));
    QCOMPARE(written.size(), 78);
    QCOMPARE(written, fileOf(HighScoreTable{}));
}

void HighScoreFileTest::loadKeepsReadableFile() {
    QTemporaryDir folder;
    const HighScoreFile file(folder.filePath(kFileName));
    // Not as the game writes it: ten fields on one line and a third line. It loads and stays as it is.
    const QByteArray stored = fileOf(someTable()).replace("\r\n", ",") + "\r\nthird line\r\n";
    writeBytes(file.path(), stored);
    HighScoreTable table;

    QCOMPARE(file.load(table), HighScoreLoad::Loaded);
    QCOMPARE(table, someTable());
    QCOMPARE(readBytes(file.path()), stored);
}

void HighScoreFileTest::loadReplacesDamagedFile_data() {
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<bool>("pipe");

    QTest::newRow("the names line alone") << fileOf(someTable()).split('\n').first() + '\n' << false;
    QTest::newRow("empty file") << QByteArray("") << false;
    QTest::newRow("binary") << QByteArray::fromHex("7F454C460201010000000000") << false;
    QTest::newRow("a pipe in the file's place") << QByteArray() << true;
}

void HighScoreFileTest::loadReplacesDamagedFile() {
    QFETCH(QByteArray, damaged);
    QFETCH(bool, pipe);
    QTemporaryDir folder;
    const HighScoreFile file(folder.filePath(kFileName));
    if (pipe) {
        QCOMPARE(::mkfifo(QFile::encodeName(file.path()).constData(), S_IRUSR | S_IWUSR), 0);
    } else {
        writeBytes(file.path(), damaged);
    }
    HighScoreTable table = someTable();

    QCOMPARE(file.load(table), HighScoreLoad::DefaultsWritten);
    QCOMPARE(table, HighScoreTable{});
    QCOMPARE(readBytes(file.path()), fileOf(HighScoreTable{}));
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

void HighScoreFileTest::saveWritesTable() {
    QTemporaryDir folder;
    const HighScoreFile file(folder.filePath(kFileName));
    writeBytes(file.path(), fileOf(HighScoreTable{}));

    QVERIFY(!file.save(someTable()));
    QCOMPARE(readBytes(file.path()), fileOf(someTable()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{kFileName});
}

void HighScoreFileTest::failedSaveKeepsOldFile_data() {
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<WriteFailure::Cause>("cause");

    QTest::newRow("a folder in the file's place")
        << Obstacle::FolderInFilesPlace << WriteFailure::Cause::NotAFile;
    // The system's own words say that one.
    QTest::newRow("program directory is a file") << Obstacle::FolderIsAFile << WriteFailure::Cause::Other;
    QTest::newRow("read-only folder") << Obstacle::ReadOnlyFolder << WriteFailure::Cause::NoPermission;
    QTest::newRow("full disk") << Obstacle::FullDisk << WriteFailure::Cause::NoRoom;
}

void HighScoreFileTest::failedSaveKeepsOldFile() {
    QFETCH(Obstacle, obstacle);
    QFETCH(WriteFailure::Cause, cause);
    QTemporaryDir folder;
    BlockedFolder blocked(obstacle, folder.path(), fileOf(someTable()));
    if (blocked.skipReason()) {
        QSKIP(blocked.skipReason());
    }
    const auto before = snapshot(folder.path());

    const std::optional<WriteFailure> failure = HighScoreFile(blocked.path()).save(HighScoreTable{});
    blocked.lift();

    QVERIFY(failure);
    QCOMPARE(failure->cause, cause);
    QVERIFY2(!failure->systemMessage.isEmpty(), "the system's message is kept");
    QCOMPARE(snapshot(folder.path()), before);
}

void HighScoreFileTest::resetWritesDefaults() {
    QTemporaryDir folder;
    const HighScoreFile file(folder.filePath(kFileName));
    writeBytes(file.path(), fileOf(someTable()));
    HighScoreTable table = someTable();

    QVERIFY(!file.reset(table));
    QCOMPARE(table, HighScoreTable{});
    QCOMPARE(readBytes(file.path()), fileOf(HighScoreTable{}));
}

void HighScoreFileTest::failedResetKeepsOldFile() {
    QTemporaryDir folder;
    BlockedFolder blocked(Obstacle::FullDisk, folder.path(), fileOf(someTable()));
    if (blocked.skipReason()) {
        QSKIP(blocked.skipReason());
    }
    HighScoreTable table = someTable();

    const std::optional<WriteFailure> failure = HighScoreFile(blocked.path()).reset(table);
    blocked.lift();

    QVERIFY(failure);
    QCOMPARE(failure->cause, WriteFailure::Cause::NoRoom);
    QCOMPARE(table, HighScoreTable{});
    QCOMPARE(readBytes(blocked.path()), fileOf(someTable()));
}

void HighScoreFileTest::rereadTakesFileChanges() {
    QTemporaryDir folder;
    const HighScoreFile file(folder.filePath(kFileName));
    writeBytes(file.path(), fileOf(someTable()));
    HighScoreTable table;

    QVERIFY(file.reread(table));
    QCOMPARE(table, someTable());
}

void HighScoreFileTest::rereadRestoresLostFile_data() {
    QTest::addColumn<QByteArray>("damaged");

    QTest::newRow("file removed") << QByteArray();
    QTest::newRow("file cut short") << fileOf(HighScoreTable{}).first(30);
}

void HighScoreFileTest::rereadRestoresLostFile() {
    QFETCH(QByteArray, damaged);
    QTemporaryDir folder;
    const HighScoreFile file(folder.filePath(kFileName));
    if (!damaged.isNull()) {
        writeBytes(file.path(), damaged);
    }
    HighScoreTable table = someTable();

    QVERIFY(!file.reread(table));
    QCOMPARE(table, someTable());
    QCOMPARE(readBytes(file.path()), fileOf(someTable()));
}

}  // namespace kelvad
