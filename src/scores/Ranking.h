// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scores/HighScoreTable.h"

#include <QString>

#include <optional>

namespace kelvad {

// The place (1..5) a score wins: the first entry it beats, strictly. A tie goes to the older entry, so a
// score equal to the fifth earns no place.
std::optional<int> rankOf(qint64 score, const HighScoreTable& table);
// "一位" .. "五位"; empty for any other rank.
QString rankWord(int rank);
// The table with the entry at its rank: lower entries move down and the old fifth drops out. A score that
// wins no place leaves the table as it is.
void insertEntry(HighScoreTable& table, const QString& name, qint64 score);

}  // namespace kelvad
