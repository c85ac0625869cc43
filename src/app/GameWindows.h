// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

namespace kelvad {

class Game;
class MainWindow;

namespace platform {
struct Platform;
}

// The game and the main window that shows it, connected both ways: what the game says reaches the window's
// controls, and what the player does in the windows reaches the game. The game's load has run, so both are
// in the ready state; the window is not yet shown. main() makes one for the whole run, tests make theirs on
// the fakes. The platform must outlive it.
class GameWindows final {
public:
    explicit GameWindows(platform::Platform& platform);
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    Game& game() { return *m_game; }
    MainWindow& window() { return *m_window; }

private:
    void showTheGame();
    void forwardThePlayer();

    std::unique_ptr<Game> m_game;
    std::unique_ptr<MainWindow> m_window;
};

}  // namespace kelvad
