#include "game/Civilian.h"

#include "game/Shots.h"
#include "game/Targets.h"
#include "platform/Beeper.h"
#include "platform/RandomSource.h"
#include "platform/Timer.h"
#include "sound/clsSound.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/Twips.h"
#include "ui/clsProgressBar.h"

#include <QLabel>

#include <cmath>

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
    gameState.civilianX = static_cast<float>(std::floor(random.next() * kFieldLeftRange));
    gameState.civilianY = static_cast<float>(std::floor(random.next() * kFieldTopRange));
    form.HE1->move(twipsToPixels(static_cast<double>(gameState.civilianX)),
                   twipsToPixels(static_cast<double>(gameState.civilianY)));
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
    if (gameState.ammoLeft == 0) {
        form.platform().beeper.beep();
        form.ME1->setText(QStringLiteral("弾がありません！"));
        form.T6->setEnabled(true);
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
