// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Lifecycle.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/MainWindow.h"

namespace kelvad {

void ClockTick(MainWindow& window, GameState& state) {
    if (state.timeLeft <= 0) {
        EndGame(window, state);
        return;
    }
    state.timeLeft -= 1;
    // The bar steps by itself: after the time bonus it is longer than the game.
    window.timeGauge->setValue(window.timeGauge->Value() - 1);
}

}  // namespace kelvad
