// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// The high-score menu item: the table, read from the file again, with the main window disabled meanwhile.
void OpenHighScoreWindow(MainWindow& window, GameState& state);
// OK: back to the ready state, ready for a new game.
void CloseHighScoreWindow(MainWindow& window);
// The frame's close control: only the main window and its start items come back.
void CloseHighScoreWindowByFrame(MainWindow& window);
// "初期化", after the player confirms.
void AskResetHighScores(MainWindow& window, GameState& state);

}  // namespace kelvad
