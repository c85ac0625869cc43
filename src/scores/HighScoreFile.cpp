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

namespace kelvad {

namespace {

// A copy of the game holds the lock only for one read and one write; one that holds it longer is stuck, and
// the change goes ahead without it rather than be lost.
constexpr int kLockWaitMs = 2000;

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

bool HighScoreFile::write(const HighScoreTable& table) const {
    const std::optional<QByteArray> bytes = formatHighScores(table);
    if (!bytes) {
        return false;
    }
    QSaveFile file(m_path);
    // Unbuffered, so that a write cut short by a full disk shows in write()'s count: Qt 6.4's buffered
    // flush drops the rest of a partial write silently, and commit() would then put a cut-off file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    if (file.write(*bytes) != bytes->size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

HighScoreLoad HighScoreFile::load(HighScoreTable& table) const {
    if (const std::optional<HighScoreTable> stored = read()) {
        table = *stored;
        return HighScoreLoad::Loaded;
    }
    table = HighScoreTable{};
    if (!write(table)) {
        return HighScoreLoad::DefaultsInMemoryOnly;
    }
    if (const std::optional<HighScoreTable> readBack = read()) {
        table = *readBack;
    }
    return HighScoreLoad::DefaultsWritten;
}

bool HighScoreFile::update(HighScoreTable& table, const std::function<void(HighScoreTable&)>& change,
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

bool HighScoreFile::reset(HighScoreTable& table) const {
    const auto toDefaults = [](HighScoreTable& defaults) { defaults = HighScoreTable{}; };
    if (!update(table, toDefaults, false)) {
        return false;
    }
    if (const std::optional<HighScoreTable> readBack = read()) {
        table = *readBack;
    }
    return true;
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
