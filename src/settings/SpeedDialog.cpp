#include "settings/SpeedDialog.h"

#include "settings/SpeedTable.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/SpeedWindow.h"

#include <QLabel>
#include "ui/Slider.h"

namespace kelvad {

void OpenSpeedDialog(MainWindow& window) {
    if (const std::optional<SpeedRow> row = speedRow(gameState.speedSetting)) {
        gameState.startScore = row->startScore;
    }
    SpeedWindow& dialog = window.speedWindow();
    dialog.speedSlider->setValue(gameState.speedSetting);
    dialog.startScoreLabel->setText(QString::number(gameState.startScore));
    window.setEnabled(false);
    dialog.show();
}

void FollowSlider(MainWindow& window) {
    SpeedWindow& dialog = window.speedWindow();
    ApplySpeedTable(dialog.speedSlider->value());
    dialog.startScoreLabel->setText(QString::number(gameState.startScore));
}

void ConfirmSpeed(MainWindow& window) {
    window.setEnabled(true);
    SpeedWindow& dialog = window.speedWindow();
    dialog.hide();
    gameState.speedSetting = dialog.speedSlider->value();
}

void CancelSpeed(MainWindow& window) {
    window.setEnabled(true);
    window.speedWindow().hide();
}

}  // namespace kelvad
