#include "Help.h"

#include <QFile>

namespace assetgen {

QString helpPage() {
    QFile file(QStringLiteral(":/help/Kelvad.html"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace assetgen
