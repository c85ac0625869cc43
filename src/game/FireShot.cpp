// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/BonusPlates.h"
#include "game/PlayField.h"
#include "game/Shots.h"
#include "platform/Beeper.h"
#include "platform/Sleeper.h"
#include "platform/Timer.h"
#include "sound/SoundPlayer.h"
#include "state/GameState.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"
#include "weapons/Guns.h"

#include <QLabel>

#include <QCoreApplication>
#include <cmath>

namespace kelvad {

bool RefuseEmptyGun(MainWindow& window, GameState& state) {
    if (state.ammoLeft != 0) {
        return false;
    }
    window.platform().beeper.beep();
    window.messageBar->setText(QCoreApplication::translate("MessageBar", "弾がありません！"));
    window.messageTimer->setEnabled(true);
    return true;
}

bool FireShot(MainWindow& window, GameState& state) {
    if (RefuseEmptyGun(window, state)) {
        return false;
    }
    window.soundPlayer->PlayWave(window.programFile(state.gunSoundFile));
    CheckBonus(window, state);
    state.shotCount += 1;
    UpdateHitRate(window, state);
    // The pressed man takes no press while the mark is drawn; on a miss that is the man pressed last.
    manImage(window, state.pressedMan)->setEnabled(false);
    ShotMark(window, state);
    SpendBullet(window, state);
    return true;
}

void UpdateHitRate(MainWindow& window, GameState& state) {
    // Rounded to the nearest whole percent, halves to the even neighbour (12.5 gives 12, 37.5 gives 38).
    const double rate = static_cast<double>(state.hitCount) / state.shotCount * 100.0;
    state.hitRate = static_cast<std::int32_t>(std::nearbyint(rate));
    window.hitRateLabel->setText(QString::number(state.hitRate) + QStringLiteral("%"));
}

void ShotMark(MainWindow& window, GameState& state) {
    window.playField->setAutoRedraw(false);
    const float left = state.pointer.left - kShotMarkOffset;
    const float top = state.pointer.top - kShotMarkOffset;
    for (std::size_t k = 0; k < window.shotMarkFrames.size(); ++k) {
        window.playField->paintPicture(window.shotMarkMasks[k]->picture(), left, top,
                                       PictureBox::RasterOp::SrcAnd);
        window.playField->paintPicture(window.shotMarkFrames[k]->picture(), left, top,
                                       PictureBox::RasterOp::SrcInvert);
        window.platform().sleeper.wait(kShotMarkFrameMs);
        // Wipes the frame back to the field's lasting background.
        window.playField->refresh();
    }
    manImage(window, state.pressedMan)->setEnabled(true);
}

void ClearMessage(MainWindow& window) {
    window.messageBar->setText(QString());
    window.messageTimer->setEnabled(false);
}

}  // namespace kelvad
