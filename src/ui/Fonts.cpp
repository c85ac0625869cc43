// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Fonts.h"

namespace kelvad {

void installFontSubstitutions() {
    QFont::insertSubstitution(QString::fromUtf16(kPGothic), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QString::fromUtf16(kGothic), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QString::fromUtf16(kMincho), QStringLiteral("IPAMincho"));
}

QFont designFont(const char16_t* family, double points, bool bold) {
    QFont font(QString::fromUtf16(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace kelvad
