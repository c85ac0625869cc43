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
    m_slider = new Slider(this);
    m_slider->setObjectName(QStringLiteral("Slider1"));
    m_slider->setGeometry(twipsRect(120, 120, 3975, 375));
    m_slider->setRange(kSlowest, kFastest);
    // A click beside the handle moves one speed at a time.
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    // Until the player first chooses, games run at normal speed.
    m_slider->setValue(kNormal);

    label("Label3", twipsRect(120, 600, 735, 255), tr("遅い"));
    label("Label4", twipsRect(1920, 600, 495, 255), tr("普通"));
    label("Label5", twipsRect(3600, 600, 495, 255), tr("速い"));
    label("Label2", twipsRect(120, 960, 855, 255), tr("開始点数"));

    m_startScoreLabel = label("Label6", twipsRect(1080, 960, 2895, 255), QString());
    m_startScoreLabel->setFont(designFont(kPGothic, 9, true));
    m_startScoreLabel->setAlignment(Qt::AlignCenter);
    m_startScoreLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_startScoreLabel->setAutoFillBackground(true);
    QPalette palette = m_startScoreLabel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_startScoreLabel->setPalette(palette);

    QPushButton* okButton = button("Command2", twipsRect(120, 1320, 1455, 495), QStringLiteral("OK"));
    m_cancelButton = button("Command1", twipsRect(1680, 1320, 1455, 495), tr("ｷｬﾝｾﾙ"));

    connect(m_slider, &QSlider::valueChanged, this, &SpeedWindow::positionChanged);
    connect(m_slider, &Slider::touched, this, &SpeedWindow::sliderTouched);
    connect(okButton, &QPushButton::clicked, this, &SpeedWindow::confirmed);
    connect(m_cancelButton, &QPushButton::clicked, this, &SpeedWindow::cancelled);
}

void SpeedWindow::showPosition(int position) {
    m_slider->setValue(position);
}

void SpeedWindow::showStartScore(int startScore) {
    m_startScoreLabel->setText(QString::number(startScore));
}

void SpeedWindow::keyPressEvent(QKeyEvent* event) {
    // Escape anywhere in the window is the cancel button.
    if (event->key() == Qt::Key_Escape) {
        m_cancelButton->click();
        return;
    }
    SmallWindow::keyPressEvent(event);
}

}  // namespace kelvad
