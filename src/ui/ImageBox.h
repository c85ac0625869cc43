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
    // Button codes 1 left, 2 right, 4 middle; positions in twips relative to the image.
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};

}  // namespace kelvad
