#include "game/BonusPlates.h"

#include "game/Targets.h"
#include "platform/RandomSource.h"
#include "platform/Timer.h"
#include "sound/clsSound.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/PictureBox.h"
#include "ui/Twips.h"

#include <QLabel>

#include <cmath>

namespace kelvad {

namespace {

PictureBox* plate(Form1& form, int k) {
    switch (k) {
        case 2:
            return form.D2;
        case 3:
            return form.D3;
        default:
            return form.D1;
    }
}

}  // namespace

void CheckBonus(Form1& form) {
    if (gameState.bonusCharge < kBonusThreshold) {
        return;
    }
    // What lay above the threshold is lost.
    gameState.bonusCharge = 0;
    form.T15->setEnabled(true);
    platform::RandomSource& random = form.platform().random;
    random.reseedFromClock();
    const int k = static_cast<int>(std::floor(random.next() * 3)) + 1;
    const auto left = static_cast<float>(std::floor(random.next() * kFieldLeftRange));
    const auto top = static_cast<float>(std::floor(random.next() * kFieldTopRange));
    float* x[] = {&form.plateX1, &form.plateX2, &form.plateX3};
    float* y[] = {&form.plateY1, &form.plateY2, &form.plateY3};
    *x[k - 1] = left;
    *y[k - 1] = top;
    // A plate may stick out of the field on the right; that part is not shown.
    PictureBox* shown = plate(form, k);
    shown->move(twipsToPixels(static_cast<double>(left)), twipsToPixels(static_cast<double>(top)));
    shown->setEnabled(true);
    shown->show();
}

void CollectBonus(Form1& form, int k) {
    form.soundPlayer->PlayWave(form.programFile(gameState.bonusSoundFile));
    gameState.score += kPlatePoints.at(static_cast<std::size_t>(k - 1));
    form.TOKUTEN->setText(QString::number(gameState.score));
    PictureBox* collected = plate(form, k);
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
