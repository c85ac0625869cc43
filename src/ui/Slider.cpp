// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace kelvad {

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setMouseTracking(true);
}

void Slider::mousePressEvent(QMouseEvent* event) {
    QSlider::mousePressEvent(event);
    m_pressed = true;
}

void Slider::mouseMoveEvent(QMouseEvent* event) {
    QSlider::mouseMoveEvent(event);
    emit touched();
}

void Slider::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    // A click is a press and a release of the left button over the slider.
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        emit touched();
    }
}

void Slider::keyPressEvent(QKeyEvent* event) {
    const int before = value();
    QSlider::keyPressEvent(event);
    if (value() != before) {
        emit touched();
    }
}

void Slider::wheelEvent(QWheelEvent* event) {
    const int before = value();
    QSlider::wheelEvent(event);
    if (value() != before) {
        emit touched();
    }
}

}  // namespace kelvad
