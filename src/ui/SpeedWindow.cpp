// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SpeedWindow.h"

#include "ui/Fonts.h"
#include "ui/Slider.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kelvad {

SpeedWindow::SpeedWindow(QWidget* owner)
    : SmallWindow(owner, QStringLiteral("Form4"), tr("ゲームスピード"), 4185, 1935, Placement::OnOwner) {
    speedSlider = new Slider(this);
    speedSlider->setObjectName(QStringLiteral("Slider1"));
    speedSlider->setGeometry(twipsRect(120, 120, 3975, 375));
    speedSlider->setRange(kSlowest, kFastest);
    // A click beside the handle moves one speed at a time.
    speedSlider->setPageStep(1);
    speedSlider->setTickPosition(QSlider::TicksBelow);
    speedSlider->setTickInterval(1);
    // Until the player first chooses, games run at normal speed.
    speedSlider->setValue(kNormal);

    label("Label3", twipsRect(120, 600, 735, 255), tr("遅い"));
    label("Label4", twipsRect(1920, 600, 495, 255), tr("普通"));
    label("Label5", twipsRect(3600, 600, 495, 255), tr("速い"));
    label("Label2", twipsRect(120, 960, 855, 255), tr("開始点数"));

    startScoreLabel = label("Label6", twipsRect(1080, 960, 2895, 255), QString());
    startScoreLabel->setFont(designFont(kPGothic, 9, true));
    startScoreLabel->setAlignment(Qt::AlignCenter);
    startScoreLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    startScoreLabel->setAutoFillBackground(true);
    QPalette palette = startScoreLabel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    startScoreLabel->setPalette(palette);

    okButton = button("Command2", twipsRect(120, 1320, 1455, 495), QStringLiteral("OK"));
    cancelButton = button("Command1", twipsRect(1680, 1320, 1455, 495), tr("ｷｬﾝｾﾙ"));
}

void SpeedWindow::keyPressEvent(QKeyEvent* event) {
    // Escape anywhere in the window is the cancel button.
    if (event->key() == Qt::Key_Escape) {
        cancelButton->click();
        return;
    }
    SmallWindow::keyPressEvent(event);
}

}  // namespace kelvad
