// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRgb>
#include <QStringView>

#include <memory>

class QLabel;

namespace kelvad {

class MainWindow;
struct GameState;
class Gauge;

// One of the three guns, numbered 1 to 3 in the order of the gun menu. The window's gun item n - 1 is ticked
// for gun n, which is the only record of the current gun, and its ammunition display n - 1 shows.
struct Gun {
    // Bullets at the start of a game.
    int magazine;
    // Bullets after a completed reload.
    int refill;
    // How long a reload takes; 0 for a gun that cannot be reloaded.
    int reloadMs;
    // The shot's sound, appended to the program directory.
    QStringView soundFile;
    // The count and the gauge of the display, and the gauge's colour. The first gun has neither: it shows one
    // image per bullet.
    QLabel* MainWindow::*countLabel;
    std::unique_ptr<Gauge> MainWindow::*gauge;
    QRgb barColor;
};

// The ticked gun: the first or the second when its item is ticked, otherwise the third.
const Gun& currentGun(const MainWindow& window);

// Ticks gun 1, 2 or 3 and shows its display; nothing else changes. Any other number changes nothing.
void SelectGun(MainWindow& window, int gun);
// At the start of a game: the gun's sound and a full magazine with its display.
void LoadMagazine(MainWindow& window, GameState& state);
// The last step of a fired shot: one bullet less, and the display follows.
void SpendBullet(MainWindow& window, GameState& state);
// When a reload completes: the magazine of the gun ticked now is refilled.
void RefillMagazine(MainWindow& window, GameState& state);

}  // namespace kelvad
