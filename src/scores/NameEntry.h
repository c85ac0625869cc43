// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scores/HighScoreFile.h"

#include <optional>

namespace kelvad {

class MainWindow;
struct GameState;

// The name-entry window, opened for a score that won a place.
void OpenNameEntry(MainWindow& window, GameState& state, int rank);
// OK, Enter in the name box, or the frame's close control: the entry enters the table, the file is
// rewritten and the high-score window shows the table; should the file not take the entry, a box over the
// table says so.
void ConfirmName(MainWindow& window, GameState& state);
// When the program ends with the name entry open: the entry is stored as OK stores it, with the name typed so
// far, and the window goes; nothing opens after it.
void StorePendingEntry(MainWindow& window, GameState& state);
// Inserts the entry at its rank in the table as the file holds it now: lower entries move down, the old fifth
// drops out; then the file is rewritten. Returns why the file could not take it, if it could not.
std::optional<WriteFailure> InsertEntry(MainWindow& window, GameState& state);

}  // namespace kelvad
