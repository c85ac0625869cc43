#include "settings/SpeedDialog.h"

#include "settings/SpeedTable.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QLabel>
#include "ui/Slider.h"

namespace kelvad {

void OpenSpeedDialog(Form1& form) {
    if (const std::optional<SpeedRow> row = speedRow(gameState.speedSetting)) {
        gameState.startScore = row->startScore;
    }
    Form4& dialog = form.form4();
    dialog.Slider1->setValue(gameState.speedSetting);
    dialog.Label6->setText(QString::number(gameState.startScore));
    form.setEnabled(false);
    dialog.show();
}

void FollowSlider(Form1& form) {
    Form4& dialog = form.form4();
    ApplySpeedTable(dialog.Slider1->value());
    dialog.Label6->setText(QString::number(gameState.startScore));
}

void ConfirmSpeed(Form1& form) {
    form.setEnabled(true);
    Form4& dialog = form.form4();
    dialog.hide();
    gameState.speedSetting = dialog.Slider1->value();
}

void CancelSpeed(Form1& form) {
    form.setEnabled(true);
    form.form4().hide();
}

}  // namespace kelvad
