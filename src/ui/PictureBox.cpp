// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PictureBox.h"

#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace kelvad {

namespace {

QPainter::CompositionMode compositionOf(PictureBox::RasterOp op) {
    switch (op) {
        case PictureBox::RasterOp::SrcAnd:
            return QPainter::RasterOp_SourceAndDestination;
        case PictureBox::RasterOp::SrcInvert:
            return QPainter::RasterOp_SourceXorDestination;
        case PictureBox::RasterOp::SrcCopy:
            break;
    }
    return QPainter::CompositionMode_Source;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuildLasting();
}

void PictureBox::setBackColor(const QColor& color) {
    m_backColor = color;
    rebuildLasting();
}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    rebuildLasting();
}

bool PictureBox::loadPicture(const QString& path) {
    QImage picture;
    if (!picture.load(path)) {
        return false;
    }
    setPicture(picture);
    return true;
}

void PictureBox::rebuildLasting() {
    const QSize size = this->size().expandedTo(QSize(1, 1));
    m_lasting = QImage(size, QImage::Format_RGB32);
    m_lasting.fill(m_backColor.rgb());
    if (!m_picture.isNull()) {
        QPainter painter(&m_lasting);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_picture);
    }
    m_screen.reset();
    update();
}

QImage& PictureBox::canvas() {
    if (m_retainsDrawing) {
        return m_lasting;
    }
    if (!m_screen) {
        m_screen = m_lasting;
    }
    return *m_screen;
}

void PictureBox::afterDrawing() {
    if (m_retainsDrawing) {
        // Retained drawing shows at the next refresh; until then the screen keeps what it shows.
        if (m_screen) {
            return;
        }
        update();
    } else {
        // Screen-only drawing reaches the screen at once.
        repaint();
    }
}

void PictureBox::paintPicture(const QImage& source, float x, float y, RasterOp op) {
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const QPoint at(twipsToPixels(static_cast<double>(x)), twipsToPixels(static_cast<double>(y)));
    auto draw = [&](QImage& target) {
        QPainter painter(&target);
        painter.setCompositionMode(compositionOf(op));
        painter.drawImage(at, picture);
    };
    if (m_retainsDrawing && m_screen) {
        draw(*m_screen);
    }
    draw(canvas());
    afterDrawing();
}

void PictureBox::refresh() {
    m_screen.reset();
    repaint();
}

void PictureBox::clear() {
    rebuildLasting();
}

double PictureBox::scaleWidth() const {
    return m_scaleWidth != 0 ? m_scaleWidth : static_cast<double>(width()) * kTwipsPerPixel;
}

double PictureBox::scaleHeight() const {
    return m_scaleHeight != 0 ? m_scaleHeight : static_cast<double>(height()) * kTwipsPerPixel;
}

int PictureBox::toPixelX(double x) const {
    const double scale = m_scaleWidth != 0 ? width() / m_scaleWidth : 1.0 / kTwipsPerPixel;
    return static_cast<int>(std::lround(x * scale));
}

int PictureBox::toPixelY(double y) const {
    const double scale = m_scaleHeight != 0 ? height() / m_scaleHeight : 1.0 / kTwipsPerPixel;
    return static_cast<int>(std::lround(y * scale));
}

QFont PictureBox::textFont() const {
    QFont plain = font();
    plain.setStyleStrategy(QFont::NoAntialias);
    return plain;
}

void PictureBox::fillBox(double x1, double y1, double x2, double y2, QRgb color, DrawMode mode) {
    const int left = std::min(toPixelX(x1), toPixelX(x2));
    const int right = std::max(toPixelX(x1), toPixelX(x2));
    const int top = std::min(toPixelY(y1), toPixelY(y2));
    const int bottom = std::max(toPixelY(y1), toPixelY(y2));
    const QRect box(left, top, std::max(1, right - left), std::max(1, bottom - top));
    auto draw = [&](QImage& target) {
        QPainter painter(&target);
        painter.setCompositionMode(mode == DrawMode::NotXorPen ? QPainter::RasterOp_NotSourceXorDestination
                                                               : QPainter::CompositionMode_Source);
        painter.fillRect(box, QColor::fromRgb(qRgb(qRed(color), qGreen(color), qBlue(color))));
    };
    if (m_retainsDrawing && m_screen) {
        draw(*m_screen);
    }
    draw(canvas());
    afterDrawing();
}

double PictureBox::textWidth(const QString& text) const {
    const double pixels = QFontMetricsF(textFont()).horizontalAdvance(text);
    return m_scaleWidth != 0 ? pixels * m_scaleWidth / width() : pixels * kTwipsPerPixel;
}

double PictureBox::textHeight(const QString& text) const {
    Q_UNUSED(text);
    const double pixels = QFontMetricsF(textFont()).height();
    return m_scaleHeight != 0 ? pixels * m_scaleHeight / height() : pixels * kTwipsPerPixel;
}

void PictureBox::drawText(const QString& text, double x, double y) {
    if (text.isEmpty()) {
        return;
    }
    auto draw = [&](QImage& target) {
        QPainter painter(&target);
        const QFont plain = textFont();
        painter.setFont(plain);
        painter.setPen(QColor::fromRgb(m_foreColor));
        const QFontMetricsF metrics(plain);
        painter.drawText(QPointF(toPixelX(x), toPixelY(y) + metrics.ascent()), text);
    };
    if (m_retainsDrawing && m_screen) {
        draw(*m_screen);
    }
    draw(canvas());
    afterDrawing();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    painter.drawImage(0, 0, m_screen ? *m_screen : m_lasting);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A box given its size while hidden hears of it only when first shown; what was drawn meanwhile stays.
    if (event->size().expandedTo(QSize(1, 1)) != m_lasting.size()) {
        rebuildLasting();
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
    }
    emit pressed(event->button(), event->position() * kTwipsPerPixel);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(event->position() * kTwipsPerPixel);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button over the box; other buttons pressed and released
    // meanwhile neither make one nor cancel it.
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (m_pressed && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    m_pressed = false;
}

}  // namespace kelvad
