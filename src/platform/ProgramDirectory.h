// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kelvad::platform {

// The folder that holds every file the game reads. A portable program directory has them beside the
// executable. An installed game follows the file system's layout for games: the executable in <prefix>/games,
// its files in <prefix>/share/games/kelvad. Where neither holds them, the executable's folder, so that the
// game reports the missing files from there.
QString findProgramDirectory(const QString& executableDirectory);

// The folder of the sound module: beside the executable in a portable program directory; for an installed
// game, <prefix>/lib/games/kelvad, since code has no place among the shared data files. Where neither holds
// it, the executable's folder, and the game stays silent.
QString findSoundModuleDirectory(const QString& executableDirectory);

}  // namespace kelvad::platform
