// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SpeedDialog.h"

#include "settings/SpeedTable.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/SpeedWindow.h"

#include <QLabel>
#include "ui/Slider.h"

namespace kelvad {

void OpenSpeedDialog(MainWindow& window, GameState& state) {
    if (const std::optional<SpeedRow> row = speedRow(state.speedSetting)) {
        state.startScore = row->startScore;
    }
    SpeedWindow& dialog = window.speedWindow();
    dialog.speedSlider->setValue(state.speedSetting);
    dialog.startScoreLabel->setText(QString::number(state.startScore));
    window.setEnabled(false);
    dialog.show();
}

void FollowSlider(MainWindow& window, GameState& state) {
    SpeedWindow& dialog = window.speedWindow();
    ApplySpeedTable(state, dialog.speedSlider->value());
    dialog.startScoreLabel->setText(QString::number(state.startScore));
}

void ConfirmSpeed(MainWindow& window, GameState& state) {
    window.setEnabled(true);
    SpeedWindow& dialog = window.speedWindow();
    dialog.hide();
    state.speedSetting = dialog.speedSlider->value();
}

void CancelSpeed(MainWindow& window) {
    window.setEnabled(true);
    window.speedWindow().hide();
}

}  // namespace kelvad
