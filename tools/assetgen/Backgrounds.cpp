// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Backgrounds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "Raster.h"

namespace assetgen {
namespace {

constexpr int W = kFieldWidth;
constexpr int H = kFieldHeight;

QImage canvas() {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void verticalGradient(QPainter& painter, QRectF area, std::initializer_list<std::pair<double, QRgb>> stops) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    for (const auto& [at, colour] : stops) {
        gradient.setColorAt(at, QColor::fromRgb(colour));
    }
    painter.fillRect(area, gradient);
}

// A row of blocks of random widths and heights, standing on the given line.
void skyline(QPainter& painter, Rng& rng, int base, int minHeight, int maxHeight, QRgb colour,
             QRgb windowColour = 0, double litShare = 0.0) {
    int x = -rng.below(10);
    while (x < W) {
        const int width = 12 + rng.below(22);
        const int height = minHeight + rng.below(maxHeight - minHeight);
        const QRect block(x, base - height, width, height);
        painter.fillRect(block, QColor::fromRgb(colour));
        if (rng.uniform() < 0.3) {
            painter.fillRect(QRect(x + width / 3, base - height - 4, 2, 4), QColor::fromRgb(colour));
        }
        if (windowColour != 0) {
            for (int wy = block.top() + 4; wy < base - 3; wy += 5) {
                for (int wx = block.left() + 3; wx < block.right() - 2; wx += 4) {
                    if (rng.uniform() < litShare) {
                        painter.fillRect(QRect(wx, wy, 2, 2), QColor::fromRgb(windowColour));
                    }
                }
            }
        }
        x += width + rng.below(3);
    }
}

}  // namespace

QImage backStreetByDay() {
    QImage image = canvas();
    Rng rng(0x4B454C31);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Pale sky with two soft clouds.
    verticalGradient(painter, QRectF(0, 0, W, 120), {{0.0, 0xFF8CC4F0}, {1.0, 0xFFD8ECF8}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xFF, 0xFF, 150));
    for (const QPointF& at : {QPointF(52, 26), QPointF(70, 22), QPointF(86, 28), QPointF(180, 44),
                              QPointF(196, 40), QPointF(210, 46)}) {
        painter.drawEllipse(at, 16, 7);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Distant towers in haze, then nearer houses.
    skyline(painter, rng, 104, 24, 62, 0xFFB4C8DC);
    skyline(painter, rng, 116, 14, 36, 0xFF98AEC4, 0xFFC8DAEA, 0.5);
    // A long plastered wall with a darker foot, and the paving in front.
    verticalGradient(painter, QRectF(0, 116, W, 84), {{0.0, 0xFFEAD8B8}, {1.0, 0xFFD8C29C}});
    painter.fillRect(QRect(0, 116, W, 3), QColor(0xC0A47C));
    for (int y = 128; y < 196; y += 12) {
        painter.fillRect(QRect(0, y, W, 1), QColor(0xDCC8A4));
    }
    for (int x = 40; x < W; x += 64) {
        painter.fillRect(QRect(x, 119, 1, 81), QColor(0xD0BA94));
    }
    painter.fillRect(QRect(0, 194, W, 6), QColor(0xB89C74));
    verticalGradient(painter, QRectF(0, 200, W, 33), {{0.0, 0xFFB0B0A8}, {1.0, 0xFF98988E}});
    for (int x = 0; x < W; x += 26) {
        painter.fillRect(QRect(x + (x / 26 % 2) * 13, 200, 1, 33), QColor(0x8C8C84));
    }
    painter.fillRect(QRect(0, 214, W, 1), QColor(0x8C8C84));
    painter.end();
    return image;
}

QImage harbourAtSunset() {
    QImage image = canvas();
    Rng rng(0x4B454C32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    verticalGradient(painter, QRectF(0, 0, W, 150),
                     {{0.0, 0xFF4A3C78}, {0.45, 0xFFC0607A}, {0.8, 0xFFF09858}, {1.0, 0xFFF8C070}});
    // The sun sinking into the sea.
    QRadialGradient glow(QPointF(170, 138), 60);
    glow.setColorAt(0.0, QColor(255, 236, 170, 200));
    glow.setColorAt(1.0, QColor(255, 180, 100, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(170, 138), 60, 60);
    painter.setBrush(QColor(0xFFF0B0));
    painter.drawEllipse(QPointF(170, 140), 17, 17);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Cranes and stacked containers against the sky.
    const QColor silhouette(0x5A3A5E);
    skyline(painter, rng, 148, 8, 26, 0xFF7A4E6C);
    for (int crane : {36, 104, 222}) {
        painter.fillRect(QRect(crane, 70, 4, 80), silhouette);
        painter.fillRect(QRect(crane - 26, 70, 58, 3), silhouette);
        painter.fillRect(QRect(crane + 14, 73, 1, 24), silhouette);
        painter.fillRect(QRect(crane - 24, 73, 8, 6), silhouette);
    }
    // The sea, with the sun's path on it.
    verticalGradient(painter, QRectF(0, 148, W, 50), {{0.0, 0xFF8C5870}, {1.0, 0xFF4E3458}});
    for (int y = 151; y < 196; y += 4) {
        const double depth = (y - 151) / 45.0;
        const int width = static_cast<int>(22 - 14 * depth) + rng.below(6);
        const int offset = rng.below(7) - 3;
        painter.fillRect(QRect(170 - width / 2 + offset, y, width, 1),
                         QColor::fromRgb(mix(0xFFF0B078, 0xFF9C6278, depth)));
    }
    // The quay.
    verticalGradient(painter, QRectF(0, 198, W, 35), {{0.0, 0xFF6C5460}, {1.0, 0xFF4A3A44}});
    painter.fillRect(QRect(0, 198, W, 2), QColor(0x8C707A));
    for (int x = 18; x < W; x += 60) {
        painter.fillRect(QRect(x, 192, 7, 8), QColor(0x3A2A36));
        painter.fillRect(QRect(x - 1, 191, 9, 2), QColor(0x4A3844));
    }
    painter.end();
    return image;
}

QImage cityAtNight() {
    QImage image = canvas();
    Rng rng(0x4B454C33);
    QPainter painter(&image);
    verticalGradient(painter, QRectF(0, 0, W, 160), {{0.0, 0xFF080A1C}, {1.0, 0xFF1E2448}});
    for (int i = 0; i < 70; ++i) {
        const int x = rng.below(W);
        const int y = rng.below(110);
        const int level = 120 + rng.below(120);
        image.setPixel(x, y, qRgb(level, level, level + 15 > 255 ? 255 : level + 15));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF0ECD0));
    painter.drawEllipse(QPointF(46, 34), 13, 13);
    painter.setBrush(QColor(0x10142C));
    painter.drawEllipse(QPointF(52, 30), 12, 12);
    painter.setRenderHint(QPainter::Antialiasing, false);
    skyline(painter, rng, 170, 40, 100, 0xFF181C34, 0xFF605C48, 0.25);
    skyline(painter, rng, 176, 20, 60, 0xFF10122A, 0xFFE8C860, 0.3);
    // Wet asphalt with the windows' glow on it.
    verticalGradient(painter, QRectF(0, 176, W, 57), {{0.0, 0xFF202438}, {1.0, 0xFF0E1020}});
    for (int i = 0; i < 26; ++i) {
        const int x = rng.below(W);
        const int y = 180 + rng.below(50);
        painter.fillRect(QRect(x, y, 2 + rng.below(6), 1), QColor(0x3A3A50));
    }
    painter.fillRect(QRect(0, 176, W, 1), QColor(0x34385A));
    painter.end();
    return image;
}

}  // namespace assetgen
