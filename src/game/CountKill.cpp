#include "game/Lifecycle.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/PictureBox.h"

#include <QLabel>

namespace kelvad {

void CountKill(Form1& form) {
    gameState.killCount += 1;
    form.Label20->setText(QString::number(gameState.killCount));
    // A new background also wipes the fallen men painted on the field.
    if (gameState.killCount > kFirstStageKills && form.background2Shown != 1) {
        form.Picture1->loadPicture(form.programFile(QStringLiteral("\\HAITEI2.BMP")));
        form.stageBonus = kFirstStageBonus;
        form.background2Shown = 1;
    }
    if (gameState.killCount > kSecondStageKills && form.background3Shown != 1) {
        form.Picture1->loadPicture(form.programFile(QStringLiteral("\\HAITEI3.BMP")));
        form.stageBonus = kSecondStageBonus;
        form.background3Shown = 1;
    }
}

}  // namespace kelvad
