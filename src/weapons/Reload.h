// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// Reloading with the right button: a timed wait after which the magazine is full. A reload is pending exactly
// while the reload timer has an interval.
void RequestReload(MainWindow& window);
// The reload timer's tick: exactly one completion per pending reload.
void CompleteReload(MainWindow& window, GameState& state);

}  // namespace kelvad
