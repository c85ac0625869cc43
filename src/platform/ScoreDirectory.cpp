// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ScoreDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace kelvad::platform {

namespace {

constexpr char kScoreFile[] = "TOKUTEN";

}  // namespace

bool folderTakesNewFiles(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kelvad-write-probe-XXXXXX")));
    return probe.open();
}

QString chooseScoreDirectory(const QString& programDirectory, const QString& dataDirectory,
                             const std::function<bool(const QString&)>& canWrite) {
    if (canWrite(programDirectory) || dataDirectory.isEmpty()) {
        return programDirectory;
    }
    if (!QDir().mkpath(dataDirectory)) {
        return programDirectory;
    }
    const QString installed = QDir(programDirectory).filePath(QLatin1String(kScoreFile));
    const QString own = QDir(dataDirectory).filePath(QLatin1String(kScoreFile));
    // The first run takes over the table that came with the installation; later runs keep the player's own.
    if (!QFileInfo::exists(own) && QFileInfo(installed).isFile()) {
        QFile::copy(installed, own);
        QFile(own).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return dataDirectory;
}

}  // namespace kelvad::platform
