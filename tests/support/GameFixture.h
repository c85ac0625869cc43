// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakePlatform.h"
#include "app/GameWindows.h"
#include "game/Game.h"
#include "ui/MainWindow.h"

#include <QPoint>

#include <functional>
#include <memory>

namespace kelvad::testing {

// The game with its main window on the fake platform, loaded and shown, with the game's pictures and sounds
// in its program directory. Presses go through Qt's event delivery, as a player's would; controls are found
// by their object names.
class GameFixture {
public:
    GameFixture();
    // Prepares the program directory (a high-score file, say) before the game loads.
    explicit GameFixture(const std::function<void(TestPlatform&)>& beforeLoad);
    ~GameFixture();

    MainWindow& window() { return m_windows->window(); }
    Game& game() { return m_windows->game(); }

    // A control of the main window or of one of its small windows by its object name; the test fails
    // (fatally) when there is none.
    template <typename T = QWidget>
    T* control(const char* name) {
        QWidget& main = window();
        T* found = main.objectName() == QLatin1String(name) ? qobject_cast<T*>(&main)
                                                            : main.findChild<T*>(QLatin1String(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }
    // Triggers a menu item by its object name; a disabled one does nothing.
    void choose(const char* item);

    // Runs every tick due in the next ms milliseconds.
    void advance(std::int64_t ms) { platform.scheduler.advance(ms); }
    void clickStart();
    // Presses a mouse button on a widget at a point in its pixels (its centre by default), through the
    // window, so that the widget under the point receives it.
    void press(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(-1, -1));
    // Presses a button and keeps it down, so that the next presses come with it held; letGo releases it.
    void hold(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(-1, -1));
    void letGo(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(-1, -1));
    // Moves the pointer over a widget to a point in its pixels.
    void move(QWidget* widget, QPoint at);
    void click(QWidget* widget, QPoint at = QPoint(-1, -1));

    TestPlatform platform;

private:
    std::unique_ptr<GameWindows> m_windows;
};

// The controls that follow the state of the game as the main window shows them, found by their object names,
// in the words of PhaseControls.h.
QStringList controlStates(QWidget& mainWindow);

// Runs Qt's event loop as main() does, starting with an action, and returns the code it ends with: the
// program's exit status. Should the loop still run after five seconds, it is ended with 3, which no test
// expects.
int runUntilTheProgramEnds(const std::function<void()>& first);

}  // namespace kelvad::testing
