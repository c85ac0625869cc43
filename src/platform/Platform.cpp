// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Platform.h"

namespace kelvad::platform {

QString programFile(const QString& programDirectory, const QString& name) {
    QString file = name;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return programDirectory + file;
}

}  // namespace kelvad::platform
