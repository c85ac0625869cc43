// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSlider>

namespace kelvad {

// A horizontal slider that also reports mouse clicks and every mouse move over it, with or without a pressed
// button, after it has followed the mouse itself: a handler reads the position the player sees. A move by the
// keyboard or the wheel is reported too, once the slider stands at its new position.
class Slider : public QSlider {
    Q_OBJECT
    Q_DISABLE_COPY(Slider)

public:
    explicit Slider(QWidget* parent = nullptr);

signals:
    void clicked();
    // Button codes 1 left, 2 right, 4 middle; positions in twips relative to the slider.
    void mouseMove(int button, int shift, float x, float y);
    void movedByKeyOrWheel();

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
