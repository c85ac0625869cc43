// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scores/HighScoreTable.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

class QIODevice;

// The bytes of the high-score file TOKUTEN: two lines ended by CR LF, the five names in double quotes and
// code page 932, then the five scores in plain decimal, each line's fields separated by single commas.
//
// The reader takes ten fields in order, five names then five scores. A comma or a line end (CR LF, or a
// lone CR or LF) ends a field, so the fields need not sit on the lines the writer uses; whatever follows
// the tenth field is ignored. Spaces before a field are skipped. A field that opens with a double quote is
// the text up to the next double quote (anything between that quote and the next comma or line end is
// ignored); any other field runs to the next comma or line end, without its trailing spaces. A score that
// is not a whole number reads as 0; one beyond the 64-bit range reads as the nearest 64-bit number. Names
// read are cleaned as typed names are (see toStoredName), so every table read writes back as it was read.
// The file is damaged, and the read fails, when it ends before the tenth field, a quoted field has no
// closing quote, or a field runs over kMaxFieldBytes.
namespace kelvad {

// No field the game writes comes near this; a longer one means the file is not a high-score file.
inline constexpr qsizetype kMaxFieldBytes = 4096;

// The whole file for a table. Empty only when this system has no CP932 converter.
std::optional<QByteArray> formatHighScores(const HighScoreTable& table);

// Reads the ten fields from the device's current position in small pieces, never further than they need.
std::optional<HighScoreTable> parseHighScores(QIODevice& device);
std::optional<HighScoreTable> parseHighScores(QByteArrayView bytes);

}  // namespace kelvad
