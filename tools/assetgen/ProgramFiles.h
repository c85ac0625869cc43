#pragma once

#include <QDir>
#include <QStringList>

namespace assetgen {

// Writes every file the game reads into its program directory; returns the names that failed.
QStringList writeProgramFiles(const QDir& programDir);

}  // namespace assetgen
