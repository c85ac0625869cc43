// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameFixture.h"
#include "state/GameState.h"
#include "ui/PictureBox.h"

#include <QAction>

// A random value that places a man (or the civilian, or a plate) at exactly this left or top in twips.
inline double leftAt(int twips) {
    return (twips + 0.5) / 3240.0;
}
inline double topAt(int twips) {
    return (twips + 0.5) / 2880.0;
}

// A press here lands on the bare field: no man reaches this far right.
inline const QPoint kBareField(250, 5);

// Ticks gun 1, 2 or 3 from its menu item, as the player does between games.
inline void chooseGun(kelvad::MainWindow& window, int gun) {
    window.gunActions.at(static_cast<std::size_t>(gun - 1))->trigger();
}

// A game just started in the situation a test needs, said in one line:
//     startGame(game, {.gun = 2, .bulletsLeft = 3, .stageBonus = 20});
struct Situation {
    int gun = 1;
    // Spent by misses on the bare field, so they count as shots; -1 keeps the magazine full.
    int bulletsLeft = -1;
    int stageBonus = 0;
    int bonusCharge = 0;
};

inline void startGame(kelvad::testing::GameFixture& game, const Situation& situation) {
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    chooseGun(window, situation.gun);
    game.clickStart();
    // Bounded by the largest magazine, should a press ever not fire.
    for (int shot = 0; shot < 100 && situation.bulletsLeft >= 0 && state.ammoLeft > situation.bulletsLeft;
         ++shot) {
        game.press(window.playField, 1, kBareField);
    }
    state.stageBonus = situation.stageBonus;
    state.bonusCharge = situation.bonusCharge;
}
