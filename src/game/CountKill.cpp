// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Lifecycle.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

#include <QLabel>

namespace kelvad {

void CountKill(MainWindow& window, GameState& state) {
    state.killCount += 1;
    window.killCountLabel->setText(QString::number(state.killCount));
    // A new background also wipes the fallen men painted on the field.
    if (state.killCount > kFirstStageKills && !state.background2Shown) {
        window.playField->loadPicture(window.programFile(QStringLiteral("\\HAITEI2.BMP")));
        state.stageBonus = kFirstStageBonus;
        state.background2Shown = true;
    }
    if (state.killCount > kSecondStageKills && !state.background3Shown) {
        window.playField->loadPicture(window.programFile(QStringLiteral("\\HAITEI3.BMP")));
        state.stageBonus = kSecondStageBonus;
        state.background3Shown = true;
    }
}

}  // namespace kelvad
