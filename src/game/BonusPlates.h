// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/PlayField.h"

#include <array>

namespace kelvad {

class MainWindow;
struct GameState;

// Hits fill the bonus meter; once it holds 25 the next fired shot brings up one of three plates for three
// seconds, worth 50, 100 or 150 points to a click.
inline constexpr int kBonusThreshold = 25;
inline constexpr std::array<int, kPlates> kPlatePoints{50, 100, 150};

// Step of every fired shot: may bring up a plate.
void CheckBonus(MainWindow& window, GameState& state);
// A click on a plate or on its label.
void CollectBonus(MainWindow& window, GameState& state, int plate);
// The plates' timer: every plate goes.
void HideBonusPlates(MainWindow& window);

}  // namespace kelvad
