// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// The civilian turns up every ten seconds for a second and a half. Shooting him costs 5 ticks of the clock,
// rescuing him with the right button gives 5.
inline constexpr int kCivilianTicks = 5;

void ShowCivilian(MainWindow& window, GameState& state);
void HideCivilian(MainWindow& window);
void RescueCivilian(MainWindow& window, GameState& state);
void ShootCivilian(MainWindow& window, GameState& state);
// Mouse-down on the civilian: the right button alone rescues, any other code shoots.
void CivilianMouseDown(MainWindow& window, GameState& state, int button);

}  // namespace kelvad
