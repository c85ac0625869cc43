#include "platform/Platform.h"

namespace kelvad::platform {

QString programFile(const QString& programDirectory, const QString& name) {
    QString file = name;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return programDirectory + file;
}

}  // namespace kelvad::platform
