// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Translation.h"

#include <QTest>

namespace kelvad::testing {

// A data column "language" with a row for each language the game speaks, Japanese first.
inline void addLanguageRows() {
    QTest::addColumn<QString>("language");
    for (const QString& language : Translation::languages()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

}  // namespace kelvad::testing
