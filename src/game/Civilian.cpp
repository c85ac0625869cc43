#include "game/Civilian.h"

#include "game/PlayField.h"
#include "game/Shots.h"
#include "platform/RandomSource.h"
#include "platform/Timer.h"
#include "sound/clsSound.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/Twips.h"
#include "ui/clsProgressBar.h"

#include <QLabel>

namespace kelvad {

namespace {

void leaveField(Form1& form) {
    form.HE1->setEnabled(false);
    form.HE1->hide();
    form.T11->setEnabled(false);
}

}  // namespace

void ShowCivilian(Form1& form) {
    form.HE1->show();
    form.HE1->setEnabled(true);
    platform::RandomSource& random = form.platform().random;
    random.reseedFromClock();
    placeAtRandom(random, *form.HE1, civilianPlace());
    form.T11->setEnabled(true);
}

void HideCivilian(Form1& form) {
    leaveField(form);
}

void RescueCivilian(Form1& form) {
    gameState.civilianSoundFile = QStringLiteral("\\ALI.Wav");
    form.soundPlayer->PlayWave(form.programFile(gameState.civilianSoundFile));
    form.ME1->setText(QStringLiteral("一般人 ＴＨＡＮＫ　ＹＯＵ!!"));
    gameState.timeLeft += kCivilianTicks;
    form.timeGauge->setValue(gameState.timeLeft);
    leaveField(form);
    form.T6->setEnabled(true);
}

void ShootCivilian(Form1& form) {
    if (RefuseEmptyGun(form)) {
        return;
    }
    gameState.civilianSoundFile = QStringLiteral("\\UA.Wav");
    form.soundPlayer->PlayWave(form.programFile(gameState.civilianSoundFile));
    form.ME1->setText(QStringLiteral("一般人　うぁぁぁぁぁぁ!!"));
    gameState.timeLeft -= kCivilianTicks;
    form.timeGauge->setValue(gameState.timeLeft);
    leaveField(form);
    form.T6->setEnabled(true);
}

void CivilianMouseDown(Form1& form, int button) {
    if (button == kRightButton) {
        RescueCivilian(form);
    } else {
        ShootCivilian(form);
    }
}

}  // namespace kelvad
