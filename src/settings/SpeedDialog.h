// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// The game-speed dialog: moving the slider applies its row at once; OK also saves the position so that the
// dialog reopens there. Cancel only hides it: a moved slider still counts at the next start.
void OpenSpeedDialog(MainWindow& window, GameState& state);
// A click on the slider, a move over it, or a move by the keyboard or the wheel.
void FollowSlider(MainWindow& window, GameState& state);
void ConfirmSpeed(MainWindow& window, GameState& state);
void CancelSpeed(MainWindow& window);

}  // namespace kelvad
