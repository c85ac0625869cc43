// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kelvad {

// The longest name the high-score file holds, in bytes of code page 932. Nobody types more; the limit keeps
// every field of a file the game wrote far below what the reader accepts.
inline constexpr qsizetype kMaxNameBytes = 1024;

// The name that enters the high-score table for what the player typed: double quotes (the file cannot hold
// them), line breaks and other control characters dropped, what code page 932 cannot hold replaced by "?",
// cut to kMaxNameBytes, and returned as it will read back from the file (〜 U+301C becomes ～ U+FF5E).
// The table on screen, in memory and in the file then always agree.
QString toStoredName(const QString& typed);

// The bytes of a name between its quotes in the file: code page 932, with no double quote, cut at a
// character boundary to kMaxNameBytes. Empty only when this system has no CP932 converter.
std::optional<QByteArray> storedNameBytes(const QString& name);

}  // namespace kelvad
