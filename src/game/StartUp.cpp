// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/StartUp.h"

#include "game/Lifecycle.h"
#include "scores/HighScores.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/MainWindow.h"
#include "ui/Phase.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLabel>

namespace kelvad {

void LoadMainWindow(MainWindow& window, GameState& state) {
    state.startScore = 0;
    state.killCount = 0;
    window.killCountLabel->setText(QString::number(state.killCount));
    state.stageBonus = 0;
    SetPhase(window, Phase::Ready);
    state.bonusSoundFile = QStringLiteral("\\TO.Wav");
    state.background3Shown = false;
    state.speedSetting = 5;
    window.timeGauge = std::make_unique<Gauge>();
    window.timeGauge->setTarget(window.timeBar);
    window.timeGauge->setMax(kTicksPerGame);
    window.ammoGauge2 = std::make_unique<Gauge>();
    window.ammoGauge2->setTarget(window.subMachineGunBar);
    window.ammoGauge3 = std::make_unique<Gauge>();
    window.ammoGauge3->setTarget(window.jackGunBar);
    window.gunActions[0]->setChecked(true);
    LoadHighScores(window, state);
}

}  // namespace kelvad
