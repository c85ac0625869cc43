#include "game/Lifecycle.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

#include <QLabel>

namespace kelvad {

void CountKill(MainWindow& window) {
    gameState.killCount += 1;
    window.killCountLabel->setText(QString::number(gameState.killCount));
    // A new background also wipes the fallen men painted on the field.
    if (gameState.killCount > kFirstStageKills && window.background2Shown != 1) {
        window.playField->loadPicture(window.programFile(QStringLiteral("\\HAITEI2.BMP")));
        window.stageBonus = kFirstStageBonus;
        window.background2Shown = 1;
    }
    if (gameState.killCount > kSecondStageKills && window.background3Shown != 1) {
        window.playField->loadPicture(window.programFile(QStringLiteral("\\HAITEI3.BMP")));
        window.stageBonus = kSecondStageBonus;
        window.background3Shown = 1;
    }
}

}  // namespace kelvad
