// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/HighScoreTable.h"

#include <QString>

#include <optional>

namespace kelvad {

class MainWindow;
struct GameState;

// The place (1..5) a score wins: the first entry it beats, strictly. A tie goes to the older entry, so a
// score equal to the fifth earns no place.
std::optional<int> RankOf(qint64 score, const HighScoreTable& table);
// "一位" .. "五位".
QString rankWord(int rank);

// After the score message: the name entry for a score that ranks, the high-score window otherwise. The main
// window is disabled until the player leaves the high-score window.
void OpenEndOfGameWindows(MainWindow& window, GameState& state);

}  // namespace kelvad
