// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/PlayField.h"

#include <array>

namespace kelvad {

class MainWindow;
struct GameState;

// The three men, by their index on the field: the faster a man jumps, the more he is worth.
struct Man {
    int points;
    // What a hit adds to the bonus meter.
    int bonusCharge;
};
inline constexpr std::array<Man, kMenOnField> kMen{{{10, 1}, {20, 3}, {30, 5}}};

inline constexpr int kKnockDownFrameMs = 20;

// A tick of a man's timer: he jumps to a random place.
void MoveMan(MainWindow& window, GameState& state, int man);
// A fired shot on a man: scored, counted as a kill and a hit, and the bonus meter charged.
void HitMan(MainWindow& window, GameState& state, int man);
// Scores a man and takes him off the field, his fall painted where he stood.
void ScoreHit(MainWindow& window, GameState& state, int man);
// The fall of a man painted into the field's lasting background at (left, top) twips.
void KnockDownAnimation(MainWindow& window, float left, float top);

}  // namespace kelvad
