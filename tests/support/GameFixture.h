// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakePlatform.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"

#include <QPoint>

#include <functional>
#include <memory>

namespace kelvad::testing {

// The main window as the game opens it on a game state: wired to the game's operations and loaded, not yet
// shown. The state must outlive the window.
std::unique_ptr<MainWindow> freshGameWindow(platform::Platform& platform, GameState& state);

// A main window on the fake platform, loaded and shown, with fresh game variables and the game's pictures
// and sounds in its program directory. Presses go through Qt's event delivery, as a player's would.
class GameFixture {
public:
    GameFixture();
    // Prepares the program directory (a high-score file, say) before the main window loads.
    explicit GameFixture(const std::function<void(TestPlatform&)>& beforeLoad);
    ~GameFixture();

    MainWindow& window() { return *m_window; }
    GameState& state() { return m_state; }

    // Runs every tick due in the next ms milliseconds.
    void advance(std::int64_t ms) { platform.scheduler.advance(ms); }
    void clickStart();
    // Presses a mouse button (1 left, 2 right, 4 middle) on a widget at a point in its pixels (its centre by
    // default), through the window, so that the widget under the point receives it.
    void press(QWidget* widget, int button, QPoint at = QPoint(-1, -1));
    // Presses a button and keeps it down, so that the next presses come with it held; letGo releases it.
    void hold(QWidget* widget, int button, QPoint at = QPoint(-1, -1));
    void letGo(QWidget* widget, int button, QPoint at = QPoint(-1, -1));
    // Moves the pointer over a widget to a point in its pixels.
    void move(QWidget* widget, QPoint at);
    void click(QWidget* widget, QPoint at = QPoint(-1, -1));

    TestPlatform platform;

private:
    // Made before the window and gone after it.
    GameState m_state;
    std::unique_ptr<MainWindow> m_window;
};

// Runs Qt's event loop as main() does, starting with an action, and returns the code it ends with: the
// program's exit status. Should the loop still run after five seconds, it is ended with 3, which no test
// expects.
int runUntilTheProgramEnds(const std::function<void()>& first);

}  // namespace kelvad::testing
