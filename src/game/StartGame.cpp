// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Lifecycle.h"
#include "settings/SpeedTable.h"
#include "sound/MediaControl.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"
#include "ui/Phase.h"
#include "ui/PictureBox.h"
#include "weapons/Guns.h"

#include <QLabel>

namespace kelvad {

void ResetGameCounters(GameState& state) {
    state.score = 0;
    state.bonusCharge = 0;
    state.hitRate = 0;
    state.timeLeft = kTicksPerGame;
}

void StartGame(MainWindow& window, GameState& state) {
    ResetGameCounters(state);
    state.killCount = 0;
    window.killCountLabel->setText(QString::number(state.killCount));
    // The game begins with the start score computed before it; the speed below sets the next game's.
    state.score = state.startScore;
    window.scoreLabel->setText(QString::number(state.score));
    state.background2Shown = false;
    state.background3Shown = false;
    ApplySpeed(window, state);
    window.civilian->hide();
    window.tune->setFileName(window.programFile(QStringLiteral("\\Battle.Mid")));
    window.tune->setCommand(QStringLiteral("Open"));
    window.tune->setCommand(QStringLiteral("Play"));
    LoadMagazine(window, state);
    for (std::size_t man = 0; man < window.manJumpTimers.size(); ++man) {
        window.manJumpTimers[man]->setInterval(state.manIntervals[man]);
    }
    window.civilianArrivalTimer->setEnabled(true);
    window.scoreLabel->setText(QString::number(state.score));
    window.timeGauge->setValue(window.timeGauge->Max());
    state.timeLeft = kTicksPerGame;
    window.gameClock->setEnabled(true);
    state.hitRate = 0;
    state.shotCount = 0;
    state.hitCount = 0;
    window.hitRateLabel->setText(QStringLiteral("0%"));
    SetPhase(window, Phase::Playing);
    window.playField->loadPicture(window.programFile(QStringLiteral("\\Haitei1.bmp")));
    state.stageBonus = 0;
    window.killCountLabel->setText(QStringLiteral("0"));
}

}  // namespace kelvad
