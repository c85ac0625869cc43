// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QStringList>

namespace assetgen {

// Writes every file the game reads into its program directory; returns the names that failed.
QStringList writeProgramFiles(const QDir& programDir);

}  // namespace assetgen
