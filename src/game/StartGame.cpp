#include "game/Lifecycle.h"
#include "settings/SpeedTable.h"
#include "sound/MediaControl.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/Phase.h"
#include "ui/PictureBox.h"
#include "ui/clsProgressBar.h"
#include "weapons/Guns.h"

#include <QLabel>

namespace kelvad {

void ResetGameCounters() {
    gameState.score = 0;
    gameState.bonusCharge = 0;
    gameState.hitRate = 0;
    gameState.timeLeft = kTicksPerGame;
}

void StartGame(Form1& form) {
    ResetGameCounters();
    gameState.killCount = 0;
    form.Label20->setText(QString::number(gameState.killCount));
    // The game begins with the start score computed before it; the speed below sets the next game's.
    gameState.score = gameState.startScore;
    form.TOKUTEN->setText(QString::number(gameState.score));
    form.background2Shown = 0;
    form.background3Shown = 0;
    ApplySpeed(form);
    form.HE1->hide();
    form.M1->setFileName(form.programFile(QStringLiteral("\\Battle.Mid")));
    form.M1->setCommand(QStringLiteral("Open"));
    form.M1->setCommand(QStringLiteral("Play"));
    LoadMagazine(form);
    form.T7->setInterval(gameState.manInterval1);
    form.T8->setInterval(gameState.manInterval2);
    form.T9->setInterval(gameState.manInterval3);
    form.T10->setEnabled(true);
    form.TOKUTEN->setText(QString::number(gameState.score));
    form.timeGauge->setValue(form.timeGauge->Max());
    gameState.timeLeft = kTicksPerGame;
    form.T4->setEnabled(true);
    gameState.hitRate = 0;
    form.shotCount = 0;
    form.hitCount = 0;
    form.GEKIHA->setText(QStringLiteral("0%"));
    SetPhase(form, Phase::Playing);
    form.Picture1->loadPicture(form.programFile(QStringLiteral("\\Haitei1.bmp")));
    form.stageBonus = 0;
    form.Label20->setText(QStringLiteral("0"));
}

}  // namespace kelvad
