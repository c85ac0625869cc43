// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/HighScoreFile.h"

#include "platform/Platform.h"
#include "scores/HighScoreFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace kelvad {

namespace {

// A copy of the game holds the lock only for one read and one write; one that holds it longer is stuck, and
// the change goes ahead without it rather than be lost.
constexpr int kLockWaitMs = 2000;

// What the system answers when asked for a new file in the folder: 0 when it gives one (which is removed at
// once), otherwise its error number.
int newFileError(const QString& folder) {
    QByteArray name = QFile::encodeName(folder + QStringLiteral("/.TOKUTEN-XXXXXX"));
    const int probe = ::mkstemp(name.data());
    if (probe < 0) {
        return errno;
    }
    ::close(probe);
    ::unlink(name.constData());
    return 0;
}

// Why a write failed, told from what stands under the file's name and from what its folder answers now; a
// write cut short after the new file was opened is a full disk (or quota, or file size limit). The system's
// own message is kept for the causes the player is not told in the game's words.
WriteFailure failureOf(const QString& path, const QString& systemMessage, bool cutShort) {
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) {
        return {WriteFailure::Cause::NotAFile, systemMessage};
    }
    switch (newFileError(file.absolutePath())) {
        case EACCES:
        case EPERM:
        case EROFS:
            return {WriteFailure::Cause::NoPermission, systemMessage};
        case ENOSPC:
        case EDQUOT:
            return {WriteFailure::Cause::NoRoom, systemMessage};
        case 0:
            return {cutShort ? WriteFailure::Cause::NoRoom : WriteFailure::Cause::Other, systemMessage};
        default:
            return {WriteFailure::Cause::Other, systemMessage};
    }
}

}  // namespace

HighScoreFile HighScoreFile::inProgramDirectory(const QString& programDirectory) {
    return HighScoreFile(platform::programFile(programDirectory, QString::fromUtf16(kHighScoreFileName)));
}

std::optional<HighScoreTable> HighScoreFile::read() const {
    // A folder, a pipe or a device under the file's name is no high-score file; a pipe would block the read.
    if (!QFileInfo(m_path).isFile()) {
        return std::nullopt;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return std::nullopt;
    }
    return parseHighScores(file);
}

std::optional<WriteFailure> HighScoreFile::write(const HighScoreTable& table) const {
    const std::optional<QByteArray> bytes = formatHighScores(table);
    if (!bytes) {
        return WriteFailure{WriteFailure::Cause::Other, QStringLiteral("no CP932 converter on this system")};
    }
    QSaveFile file(m_path);
    // Unbuffered, so that a write cut short by a full disk shows in write()'s count: Qt 6.4's buffered
    // flush drops the rest of a partial write silently, and commit() would then put a cut-off file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failureOf(m_path, file.errorString(), false);
    }
    if (file.write(*bytes) != bytes->size()) {
        const QString message = file.errorString();
        file.cancelWriting();
        return failureOf(m_path, message, true);
    }
    if (!file.commit()) {
        return failureOf(m_path, file.errorString(), false);
    }
    return std::nullopt;
}

HighScoreLoad HighScoreFile::load(HighScoreTable& table) const {
    if (const std::optional<HighScoreTable> stored = read()) {
        table = *stored;
        return HighScoreLoad::Loaded;
    }
    table = HighScoreTable{};
    if (write(table)) {
        return HighScoreLoad::DefaultsInMemoryOnly;
    }
    if (const std::optional<HighScoreTable> readBack = read()) {
        table = *readBack;
    }
    return HighScoreLoad::DefaultsWritten;
}

std::optional<WriteFailure> HighScoreFile::update(HighScoreTable& table,
                                                  const std::function<void(HighScoreTable&)>& change,
                                                  bool fromFile) const {
    // A lock whose process is gone is taken over at once.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (lock.tryLock(kLockWaitMs) && fromFile) {
        if (const std::optional<HighScoreTable> now = read()) {
            table = *now;
        }
    }
    change(table);
    return write(table);
}

std::optional<WriteFailure> HighScoreFile::reset(HighScoreTable& table) const {
    const auto toDefaults = [](HighScoreTable& defaults) { defaults = HighScoreTable{}; };
    if (std::optional<WriteFailure> failure = update(table, toDefaults, false)) {
        return failure;
    }
    if (const std::optional<HighScoreTable> readBack = read()) {
        table = *readBack;
    }
    return std::nullopt;
}

bool HighScoreFile::reread(HighScoreTable& table) const {
    if (const std::optional<HighScoreTable> stored = read()) {
        table = *stored;
        return true;
    }
    write(table);
    return false;
}

}  // namespace kelvad
