// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

namespace kelvad {

// The windows name the fonts "ＭＳ Ｐゴシック", "ＭＳ ゴシック" and "ＭＳ 明朝"; the metric-compatible IPA
// fonts stand in for them. Call once after the QApplication exists.
void installFontSubstitutions();

inline constexpr char16_t kPGothic[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kGothic[] = u"ＭＳ ゴシック";
inline constexpr char16_t kMincho[] = u"ＭＳ 明朝";

// A font of the design: family, size in points, bold.
QFont designFont(const char16_t* family, double points, bool bold = false);

}  // namespace kelvad
