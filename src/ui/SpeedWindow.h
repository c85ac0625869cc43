// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SmallWindow.h"

class QLabel;
class QPushButton;

namespace kelvad {

class Slider;

// The game speed: a slider of eleven positions from slow to fast, and the score a game starts with.
class SpeedWindow final : public SmallWindow {
    Q_OBJECT
    Q_DISABLE_COPY(SpeedWindow)

public:
    explicit SpeedWindow(QWidget* owner);

    static constexpr int kSlowest = 0;
    static constexpr int kNormal = 5;
    static constexpr int kFastest = 10;

    // Reports clicks and mouse moves; its position is the speed.
    Slider* speedSlider = nullptr;
    // The start score that goes with the slider's position.
    QLabel* startScoreLabel = nullptr;
    QPushButton* okButton = nullptr;
    // Escape clicks it too.
    QPushButton* cancelButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kelvad
