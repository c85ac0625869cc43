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

#include <cmath>

namespace kelvad {

bool RefuseEmptyGun(MainWindow& window) {
    if (gameState.ammoLeft != 0) {
        return false;
    }
    window.platform().beeper.beep();
    window.messageBar->setText(QStringLiteral("弾がありません！"));
    window.messageTimer->setEnabled(true);
    return true;
}

bool FireShot(MainWindow& window) {
    if (RefuseEmptyGun(window)) {
        return false;
    }
    window.soundPlayer->PlayWave(window.programFile(gameState.gunSoundFile));
    CheckBonus(window);
    window.shotCount += 1;
    UpdateHitRate(window);
    // The pressed man takes no press while the mark is drawn; on a miss that is the man pressed last.
    manImage(window, window.pressedMan)->setEnabled(false);
    ShotMark(window);
    SpendBullet(window);
    return true;
}

void UpdateHitRate(MainWindow& window) {
    // Rounded to the nearest whole percent, halves to the even neighbour (12.5 gives 12, 37.5 gives 38).
    const double rate = static_cast<double>(window.hitCount) / window.shotCount * 100.0;
    gameState.hitRate = static_cast<std::int32_t>(std::nearbyint(rate));
    window.hitRateLabel->setText(QString::number(gameState.hitRate) + QStringLiteral("%"));
}

void ShotMark(MainWindow& window) {
    window.playField->setAutoRedraw(false);
    const float left = window.pointerX - kShotMarkOffset;
    const float top = window.pointerY - kShotMarkOffset;
    for (std::size_t k = 0; k < window.shotMarkFrames.size(); ++k) {
        window.playField->paintPicture(window.shotMarkMasks[k]->picture(), left, top,
                                       PictureBox::RasterOp::SrcAnd);
        window.playField->paintPicture(window.shotMarkFrames[k]->picture(), left, top,
                                       PictureBox::RasterOp::SrcInvert);
        window.platform().sleeper.wait(kShotMarkFrameMs);
        // Wipes the frame back to the field's lasting background.
        window.playField->refresh();
    }
    manImage(window, window.pressedMan)->setEnabled(true);
}

void ClearMessage(MainWindow& window) {
    window.messageBar->setText(QString());
    window.messageTimer->setEnabled(false);
}

}  // namespace kelvad
