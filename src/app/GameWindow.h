// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

namespace kelvad {

class MainWindow;
struct GameState;

namespace platform {
struct Platform;
}

// The main window as the game opens it: built, its events and those of its small windows connected to the
// game's operations on the given state, its sound made, and its load run, so that the game is in its ready
// state. Not yet shown. The state must outlive the window.
std::unique_ptr<MainWindow> makeGameWindow(platform::Platform& platform, GameState& state);

}  // namespace kelvad
