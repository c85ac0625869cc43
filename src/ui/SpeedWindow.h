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

    void showPosition(int position);
    void showStartScore(int startScore);

signals:
    // The slider stands at a new position, however it got there.
    void positionChanged(int position);
    // The player's hand on the slider: a click, a move of the pointer over it, a key or the wheel.
    void sliderTouched();
    void confirmed();
    // Cancel, or Escape anywhere in the window.
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Slider* m_slider = nullptr;
    QLabel* m_startScoreLabel = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

}  // namespace kelvad
