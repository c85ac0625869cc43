// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ImageBox.h"

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
    emit pressed(event->button(), event->position() * kTwipsPerPixel);
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(event->position() * kTwipsPerPixel);
}

}  // namespace kelvad
