// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The high-score file keeps names in code page 932, the Shift-JIS of Japanese Windows. glibc's iconv "CP932"
// is used rather than Qt's Shift_JIS codec: it stores the wave dash and the full-width forms that Japanese
// input methods type (〜 U+301C and ～ U+FF5E both become 81 60), where Qt's codec refuses several of them.
namespace kelvad::cp932 {

// Encodes text; a character that code page 932 cannot hold becomes "?" (3F). Empty only when this system
// has no CP932 converter at all.
std::optional<QByteArray> encode(const QString& text);

// Decodes bytes; a byte that starts no valid character, or a lead byte cut off by the end, becomes "?".
// Empty only when this system has no CP932 converter at all.
std::optional<QString> decode(QByteArrayView bytes);

// Whether a byte opens a two-byte character.
constexpr bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace kelvad::cp932
