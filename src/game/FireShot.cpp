#include "game/BonusPlates.h"
#include "game/PlayField.h"
#include "game/Shots.h"
#include "platform/Beeper.h"
#include "platform/Sleeper.h"
#include "platform/Timer.h"
#include "sound/clsSound.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "weapons/Guns.h"

#include <QLabel>

#include <cmath>

namespace kelvad {

bool RefuseEmptyGun(Form1& form) {
    if (gameState.ammoLeft != 0) {
        return false;
    }
    form.platform().beeper.beep();
    form.ME1->setText(QStringLiteral("弾がありません！"));
    form.T6->setEnabled(true);
    return true;
}

bool FireShot(Form1& form) {
    if (RefuseEmptyGun(form)) {
        return false;
    }
    form.soundPlayer->PlayWave(form.programFile(gameState.gunSoundFile));
    CheckBonus(form);
    form.shotCount += 1;
    UpdateHitRate(form);
    // The pressed man takes no press while the mark is drawn; on a miss that is the man pressed last.
    manImage(form, form.pressedMan)->setEnabled(false);
    ShotMark(form);
    SpendBullet(form);
    return true;
}

void UpdateHitRate(Form1& form) {
    // Rounded to the nearest whole percent, halves to the even neighbour (12.5 gives 12, 37.5 gives 38).
    const double rate = static_cast<double>(form.hitCount) / form.shotCount * 100.0;
    gameState.hitRate = static_cast<std::int32_t>(std::nearbyint(rate));
    form.GEKIHA->setText(QString::number(gameState.hitRate) + QStringLiteral("%"));
}

void ShotMark(Form1& form) {
    form.Picture1->setAutoRedraw(false);
    const float left = form.pointerX - kShotMarkOffset;
    const float top = form.pointerY - kShotMarkOffset;
    for (std::size_t k = 0; k < form.V.size(); ++k) {
        form.Picture1->paintPicture(form.VV[k]->picture(), left, top, PictureBox::RasterOp::SrcAnd);
        form.Picture1->paintPicture(form.V[k]->picture(), left, top, PictureBox::RasterOp::SrcInvert);
        form.platform().sleeper.wait(kShotMarkFrameMs);
        // Wipes the frame back to the field's lasting background.
        form.Picture1->refresh();
    }
    manImage(form, form.pressedMan)->setEnabled(true);
}

void ClearMessage(Form1& form) {
    form.ME1->setText(QString());
    form.T6->setEnabled(false);
}

}  // namespace kelvad
