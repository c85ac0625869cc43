// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;

// The states of the game as the main window shows them: the title and legend panels, the Start button, the
// menu items that start, pause or leave a game, and the time-bonus square.
enum class Phase {
    // After start-up, after a return to the start and after the high-score table's OK: a game can start.
    Ready,
    // A game runs: the gun and the speed cannot be changed, and the game can be paused or left.
    Playing,
    // The clock ran out: the title panels come back for the score message; the rest stays as in play until
    // the player leaves the high-score table.
    GameOver,
    // The high-score table closed with its frame's close control: only the start items come back, the rest
    // keeps the state it had.
    TableClosedByFrame,
};

// Puts every control that follows the state of the game into its state for this phase.
void SetPhase(MainWindow& window, Phase phase);

}  // namespace kelvad
