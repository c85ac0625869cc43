#include "game/StartUp.h"

#include "game/Lifecycle.h"
#include "scores/HighScores.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/Phase.h"
#include "ui/PictureBox.h"
#include "ui/clsProgressBar.h"

#include <QAction>
#include <QLabel>

namespace kelvad {

void Form1Load(Form1& form) {
    gameState.startScore = 0;
    gameState.killCount = 0;
    form.Label20->setText(QString::number(gameState.killCount));
    form.stageBonus = 0;
    SetPhase(form, Phase::Ready);
    gameState.bonusSoundFile = QStringLiteral("\\TO.Wav");
    form.background3Shown = 0;
    gameState.speedSetting = 5;
    form.timeGauge = std::make_unique<clsProgressBar>();
    form.timeGauge->setTarget(form.Picture3);
    form.timeGauge->setMax(kTicksPerGame);
    form.ammoGauge2 = std::make_unique<clsProgressBar>();
    form.ammoGauge2->setTarget(form.Picture4);
    form.ammoGauge3 = std::make_unique<clsProgressBar>();
    form.ammoGauge3->setTarget(form.Picture5);
    form.B11->setChecked(true);
    LoadHighScores(form);
}

}  // namespace kelvad
