// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ImageBox.h"

#include "ui/MouseButtons.h"
#include "ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvad {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    if (!m_picture.isNull()) {
        QPainter painter(this);
        painter.drawImage(0, 0, m_picture);
    }
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position() * kTwipsPerPixel;
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position() * kTwipsPerPixel;
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
}

}  // namespace kelvad
