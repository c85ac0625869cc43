// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SpeedTable.h"

#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/SpeedWindow.h"

#include "ui/Slider.h"

namespace kelvad {

void ApplySpeedTable(GameState& state, int p) {
    const std::optional<SpeedRow> row = speedRow(p);
    if (!row) {
        return;
    }
    state.startScore = row->startScore;
    state.manIntervals[0] = row->manInterval1;
    state.manIntervals[1] = row->manInterval2;
    state.manIntervals[2] = row->manInterval3;
}

void ApplySpeed(MainWindow& window, GameState& state) {
    ApplySpeedTable(state, window.speedWindow().speedSlider->value());
}

}  // namespace kelvad
