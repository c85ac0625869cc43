#include "platform/ProgramDirectory.h"

#include <QDir>
#include <QFileInfo>

namespace kelvad::platform {

namespace {

// The first picture the main window loads: a folder without it is not the game's.
constexpr char kProbeFile[] = "Haitei1.bmp";

bool holdsTheGamesFiles(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QLatin1String(kProbeFile))).isFile();
}

}  // namespace

QString findProgramDirectory(const QString& executableDirectory) {
    if (holdsTheGamesFiles(executableDirectory)) {
        return executableDirectory;
    }
    const QString installed = QDir::cleanPath(executableDirectory + QStringLiteral("/../share/games/kelvad"));
    return holdsTheGamesFiles(installed) ? installed : executableDirectory;
}

}  // namespace kelvad::platform
