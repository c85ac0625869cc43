// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/BonusPlates.h"

#include "game/PlayField.h"
#include "platform/RandomSource.h"
#include "platform/Timer.h"
#include "sound/SoundPlayer.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

#include <QLabel>

#include <cmath>

namespace kelvad {

void CheckBonus(MainWindow& window, GameState& state) {
    if (state.bonusCharge < kBonusThreshold) {
        return;
    }
    // What lay above the threshold is lost.
    state.bonusCharge = 0;
    window.plateTimer->setEnabled(true);
    platform::RandomSource& random = window.platform().random;
    random.reseedFromClock();
    const int plate = static_cast<int>(std::floor(random.next() * kPlates));
    // A plate may stick out of the field on the right; that part is not shown.
    PictureBox* shown = plateBox(window, plate);
    placeAtRandom(random, *shown, platePlace(state, plate));
    shown->setEnabled(true);
    shown->show();
}

void CollectBonus(MainWindow& window, GameState& state, int plate) {
    window.soundPlayer->PlayWave(window.programFile(state.bonusSoundFile));
    state.score += kPlatePoints[pieceIndex(plate)];
    window.scoreLabel->setText(QString::number(state.score));
    PictureBox* collected = plateBox(window, plate);
    collected->hide();
    collected->setEnabled(false);
}

void HideBonusPlates(MainWindow& window) {
    for (PictureBox* each : {window.plates[0], window.plates[1], window.plates[2]}) {
        each->hide();
    }
    for (PictureBox* each : {window.plates[0], window.plates[1], window.plates[2]}) {
        each->setEnabled(false);
    }
    window.plateTimer->setEnabled(false);
}

}  // namespace kelvad
