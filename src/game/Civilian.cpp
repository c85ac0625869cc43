// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Civilian.h"

#include "game/PlayField.h"
#include "game/Shots.h"
#include "platform/RandomSource.h"
#include "platform/Timer.h"
#include "sound/SoundPlayer.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QLabel>

namespace kelvad {

namespace {

void leaveField(MainWindow& window) {
    window.civilian->setEnabled(false);
    window.civilian->hide();
    window.civilianDepartureTimer->setEnabled(false);
}

}  // namespace

void ShowCivilian(MainWindow& window, GameState& state) {
    window.civilian->show();
    window.civilian->setEnabled(true);
    platform::RandomSource& random = window.platform().random;
    random.reseedFromClock();
    placeAtRandom(random, *window.civilian, civilianPlace(state));
    window.civilianDepartureTimer->setEnabled(true);
}

void HideCivilian(MainWindow& window) {
    leaveField(window);
}

void RescueCivilian(MainWindow& window, GameState& state) {
    state.civilianSoundFile = QStringLiteral("\\ALI.Wav");
    window.soundPlayer->PlayWave(window.programFile(state.civilianSoundFile));
    window.messageBar->setText(QCoreApplication::translate("MessageBar", "一般人 ＴＨＡＮＫ　ＹＯＵ!!"));
    state.timeLeft += kCivilianTicks;
    window.timeGauge->setValue(state.timeLeft);
    leaveField(window);
    window.messageTimer->setEnabled(true);
}

void ShootCivilian(MainWindow& window, GameState& state) {
    if (RefuseEmptyGun(window, state)) {
        return;
    }
    state.civilianSoundFile = QStringLiteral("\\UA.Wav");
    window.soundPlayer->PlayWave(window.programFile(state.civilianSoundFile));
    window.messageBar->setText(QCoreApplication::translate("MessageBar", "一般人　うぁぁぁぁぁぁ!!"));
    state.timeLeft -= kCivilianTicks;
    window.timeGauge->setValue(state.timeLeft);
    leaveField(window);
    window.messageTimer->setEnabled(true);
}

void CivilianMouseDown(MainWindow& window, GameState& state, int button) {
    if (button == kRightButton) {
        RescueCivilian(window, state);
    } else {
        ShootCivilian(window, state);
    }
}

}  // namespace kelvad
