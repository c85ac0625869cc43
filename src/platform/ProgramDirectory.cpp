// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramDirectory.h"

#include <QDir>
#include <QFileInfo>

namespace kelvad::platform {

namespace {

// The first picture the main window loads: a folder without it is not the game's.
constexpr char kProbeFile[] = "Haitei1.bmp";
constexpr char kSoundModule[] = "libkelvad-audio.so";

bool holds(const QString& folder, const char* file) {
    return QFileInfo(QDir(folder).filePath(QLatin1String(file))).isFile();
}

// The executable's folder when it holds the file, else the installed folder when that does.
QString besideOrInstalled(const QString& executableDirectory, const char* installedFolder, const char* file) {
    if (holds(executableDirectory, file)) {
        return executableDirectory;
    }
    const QString installed = QDir::cleanPath(executableDirectory + QLatin1String(installedFolder));
    return holds(installed, file) ? installed : executableDirectory;
}

}  // namespace

QString findProgramDirectory(const QString& executableDirectory) {
    return besideOrInstalled(executableDirectory, "/../share/games/kelvad", kProbeFile);
}

QString findSoundModuleDirectory(const QString& executableDirectory) {
    return besideOrInstalled(executableDirectory, "/../lib/games/kelvad", kSoundModule);
}

}  // namespace kelvad::platform
