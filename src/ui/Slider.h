// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSlider>

namespace kelvad {

// A horizontal slider that reports the player's hand on it: a click (a press and release of the left button
// over it), every move of the pointer over it, with or without a button held, and a move by the keyboard or
// the wheel. It reports after it has followed the mouse or the key itself, so a handler reads the position
// the player sees.
class Slider : public QSlider {
    Q_OBJECT
    Q_DISABLE_COPY(Slider)

public:
    explicit Slider(QWidget* parent = nullptr);

signals:
    void touched();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_pressed = false;
};

}  // namespace kelvad
