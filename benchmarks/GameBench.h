// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakePlatform.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"

#include <memory>

namespace kelvad::bench {

// The animations hold the event loop on purpose between their frames; the benchmarks measure the work
// around those waits, so here a wait returns at once.
class NoWaitSleeper final : public platform::Sleeper {
public:
    void wait(int) override {}
};

// A main window on the test doubles, shown and exposed, with the game's pictures and sounds in a fresh
// program directory and a game under way with the first gun.
class GameBench {
public:
    GameBench();
    ~GameBench();

    MainWindow& window() { return *m_window; }
    GameState& game() { return m_game; }
    testing::TestPlatform& fakes() { return m_fakes; }

    // Puts the pointer at (x, y) twips on the play field, as a move over it does.
    void pointAt(float x, float y);
    // A full magazine, an empty bonus meter and a kill count far from a stage change: every shot then does
    // the same work as the one before.
    void rearm();
    // Lets the window paint what the last handler left to repaint, as the event loop does after it.
    static void settle();

private:
    testing::TestPlatform m_fakes;
    NoWaitSleeper m_sleeper;
    platform::Platform m_platform;
    GameState m_game;
    std::unique_ptr<MainWindow> m_window;
};

}  // namespace kelvad::bench
