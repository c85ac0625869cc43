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

void ResetGameCounters() {
    gameState.score = 0;
    gameState.bonusCharge = 0;
    gameState.hitRate = 0;
    gameState.timeLeft = kTicksPerGame;
}

void StartGame(MainWindow& window) {
    ResetGameCounters();
    gameState.killCount = 0;
    window.killCountLabel->setText(QString::number(gameState.killCount));
    // The game begins with the start score computed before it; the speed below sets the next game's.
    gameState.score = gameState.startScore;
    window.scoreLabel->setText(QString::number(gameState.score));
    window.background2Shown = 0;
    window.background3Shown = 0;
    ApplySpeed(window);
    window.civilian->hide();
    window.tune->setFileName(window.programFile(QStringLiteral("\\Battle.Mid")));
    window.tune->setCommand(QStringLiteral("Open"));
    window.tune->setCommand(QStringLiteral("Play"));
    LoadMagazine(window);
    window.manJumpTimers[0]->setInterval(gameState.manInterval1);
    window.manJumpTimers[1]->setInterval(gameState.manInterval2);
    window.manJumpTimers[2]->setInterval(gameState.manInterval3);
    window.civilianArrivalTimer->setEnabled(true);
    window.scoreLabel->setText(QString::number(gameState.score));
    window.timeGauge->setValue(window.timeGauge->Max());
    gameState.timeLeft = kTicksPerGame;
    window.gameClock->setEnabled(true);
    gameState.hitRate = 0;
    window.shotCount = 0;
    window.hitCount = 0;
    window.hitRateLabel->setText(QStringLiteral("0%"));
    SetPhase(window, Phase::Playing);
    window.playField->loadPicture(window.programFile(QStringLiteral("\\Haitei1.bmp")));
    window.stageBonus = 0;
    window.killCountLabel->setText(QStringLiteral("0"));
}

}  // namespace kelvad
