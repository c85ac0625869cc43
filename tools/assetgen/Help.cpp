// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Help.h"

#include <QFile>

namespace assetgen {

QString helpPage(const HelpPage& page) {
    QFile file(QString::fromLatin1(page.resource));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace assetgen
