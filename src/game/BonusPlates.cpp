#include "game/BonusPlates.h"

#include "game/PlayField.h"
#include "platform/RandomSource.h"
#include "platform/Timer.h"
#include "sound/clsSound.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/PictureBox.h"

#include <QLabel>

#include <cmath>

namespace kelvad {

void CheckBonus(Form1& form) {
    if (gameState.bonusCharge < kBonusThreshold) {
        return;
    }
    // What lay above the threshold is lost.
    gameState.bonusCharge = 0;
    form.T15->setEnabled(true);
    platform::RandomSource& random = form.platform().random;
    random.reseedFromClock();
    const int plate = static_cast<int>(std::floor(random.next() * kPlates));
    // A plate may stick out of the field on the right; that part is not shown.
    PictureBox* shown = plateBox(form, plate);
    placeAtRandom(random, *shown, platePlace(form, plate));
    shown->setEnabled(true);
    shown->show();
}

void CollectBonus(Form1& form, int plate) {
    form.soundPlayer->PlayWave(form.programFile(gameState.bonusSoundFile));
    gameState.score += kPlatePoints[pieceIndex(plate)];
    form.TOKUTEN->setText(QString::number(gameState.score));
    PictureBox* collected = plateBox(form, plate);
    collected->hide();
    collected->setEnabled(false);
}

void HideBonusPlates(Form1& form) {
    for (PictureBox* each : {form.D1, form.D2, form.D3}) {
        each->hide();
    }
    for (PictureBox* each : {form.D1, form.D2, form.D3}) {
        each->setEnabled(false);
    }
    form.T15->setEnabled(false);
}

}  // namespace kelvad
