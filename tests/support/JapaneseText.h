// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRegularExpression>
#include <QString>

namespace kelvad::testing {

// Whether a text holds Japanese: kana, kanji, the ideographic space and punctuation, and full- and half-width
// forms. A text left untranslated in another language shows by it.
inline bool hasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

}  // namespace kelvad::testing
