// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scores/HighScoreFile.h"

#include <functional>
#include <optional>

namespace kelvad {

class MainWindow;
struct GameState;
struct HighScoreTable;

// The table in memory (state.highScores) and in the file TOKUTEN, kept equal: every change of the
// table rewrites the file at once. Each operation ends by showing the table in the high-score window.

// At start-up: reads the file; a missing or damaged one is replaced by the default table, silently.
void LoadHighScores(MainWindow& window, GameState& state);
// A new entry: the change is made to the table as the file holds it now, which another copy of the game may
// have changed since this one read it, and the file is rewritten at once. Returns why the file could not take
// it, if it could not; the table keeps the change all the same.
std::optional<WriteFailure> UpdateHighScores(MainWindow& window, GameState& state,
                                             const std::function<void(HighScoreTable&)>& change);
// The confirmed reset: the default table, written and read back. Should the file not take it, the player is
// told so.
void ResetHighScores(MainWindow& window, GameState& state);
// Opening the table from the menu: reads the file again.
void ReadHighScores(MainWindow& window, GameState& state);
// The high-score window's ten labels from the table.
void RefreshHighScoreLabels(MainWindow& window, GameState& state);

}  // namespace kelvad
