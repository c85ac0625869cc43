// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

namespace kelvad {

// An image: a picture that can be pressed. Transparent where its picture is; a disabled image still shows
// its picture but takes no press (the press goes to the box beneath it).
class ImageBox : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(ImageBox)

public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

signals:
    // A mouse button went down over the image; places are in twips relative to the image.
    void pressed(Qt::MouseButton button, QPointF place);
    void pointerMoved(QPointF place);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};

}  // namespace kelvad
