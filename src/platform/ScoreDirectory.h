// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace kelvad::platform {

// Where the high-score file lives. A portable copy of the game keeps it beside the program. An installed
// game's program directory is not the player's to write, so there the file lives in the player's own data
// folder, started from the program directory's file where one is there: losing the scores would be lost data.
// canWrite tells whether a folder takes new files; copyFile copies a file (false when it could not).
QString chooseScoreDirectory(const QString& programDirectory, const QString& dataDirectory,
                             const std::function<bool(const QString&)>& canWrite);

// Whether a new file can be made in the folder, tried for real (permission bits say nothing for root).
bool folderTakesNewFiles(const QString& folder);

}  // namespace kelvad::platform
