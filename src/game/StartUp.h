// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// The load of the main window, run once it is built and connected and has its sound: sets the game variables
// and puts the window into its ready state.
void LoadMainWindow(MainWindow& window, GameState& state);

}  // namespace kelvad
