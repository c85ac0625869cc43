#include "game/StartUp.h"

#include "game/GameState.h"
#include "ui/Form1.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLabel>

namespace kelvad {

void Form1Load(Form1& form) {
    gameState.startScore = 0;
    gameState.killCount = 0;
    form.Label20->setText(QString::number(gameState.killCount));
    form.stageBonus = 0;
    form.B19->setEnabled(false);
    form.B21->setEnabled(false);
    gameState.bonusSoundFile = QStringLiteral("\\TO.Wav");
    form.background3Shown = 0;
    gameState.speedSetting = 5;
    // The sound player.
    // The gauges.
    form.B11->setChecked(true);
    form.Picture2->setEnabled(true);
    // The high-score table.
}

}  // namespace kelvad
