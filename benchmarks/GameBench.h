// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakePlatform.h"
#include "app/GameWindows.h"
#include "game/Game.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"
#include "ui/MainWindow.h"

#include <memory>

namespace kelvad::bench {

// The animations hold the event loop on purpose between their frames; the benchmarks measure the work
// around those waits, so here a wait returns at once.
class NoWaitSleeper final : public platform::Sleeper {
public:
    void wait(int) override {}
};

// The game with its main window on the test doubles, shown and exposed, with the game's pictures and sounds
// in a fresh program directory and a game under way with the third gun (a hundred bullets).
class GameBench {
public:
    GameBench();
    ~GameBench();

    Game& game() { return m_windows->game(); }
    MainWindow& window() { return m_windows->window(); }
    testing::TestPlatform& fakes() { return m_fakes; }

    // A fresh game: back to the start (answered Yes) and started again, so that every shot does the same work
    // as the one before (a full magazine, no stage change near).
    void restart();
    // Lets play go on until the man shows.
    void waitForMan(int man);
    // Lets the window paint what the last handler left to repaint, as the event loop does after it.
    static void settle();

private:
    testing::TestPlatform m_fakes;
    NoWaitSleeper m_sleeper;
    platform::Platform m_platform;
    std::unique_ptr<GameWindows> m_windows;
};

}  // namespace kelvad::bench
