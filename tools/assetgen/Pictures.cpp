// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"

#include <QPainter>

#include <cmath>
#include <numbers>
#include <string_view>

#include "Palette.h"

namespace assetgen {
namespace {

constexpr std::string_view kBullet = R"(
............
.....oO.....
....oOOq....
....oOOq....
...oOOOOq...
...oOOOOq...
...oOOOOq...
...oOOOOq...
...zzzzzz...
...aAAAAz...
...aAAAAz...
...aAAAAz...
...aAAAAz...
...aAAAAz...
...aAAAAz...
...aAAAAz...
...aAAAAz...
...aAAAAz...
...aAAAAz...
...zzzzzz...
...aAAAAz...
..aAAAAAAz..
..zzzzzzzz..
)";

struct PlateColours {
    QRgb face;    // the calm middle behind the number
    QRgb light;   // bevel catching the light
    QRgb dark;    // bevel in shadow
    QRgb emblem;  // the stars at both ends
};

PlateColours plateColours(Plate which) {
    switch (which) {
        case Plate::Fifty:
            return {0xFFF0D0B0, 0xFFFFF0E0, 0xFF9C5C30, 0xFFC0703C};  // bronze
        case Plate::Hundred:
            return {0xFFE4E8F0, 0xFFFFFFFF, 0xFF707888, 0xFF5878B0};  // silver
        case Plate::HundredFifty:
            break;
    }
    return {0xFFFAEA98, 0xFFFFFBE0, 0xFFA07810, 0xFFD02828};  // gold
}

void drawStar(QPainter& painter, QPointF centre, double outer, QRgb colour) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : outer * 0.45;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.setBrush(QColor::fromRgb(colour));
    painter.drawPolygon(points);
}

}  // namespace

QImage bullet() {
    Palette palette = colours::figurePalette();
    palette['o'] = colours::kCopperLight;
    palette['O'] = colours::kCopper;
    palette['q'] = 0xFF8A4020;
    palette['a'] = colours::kBrassLight;
    palette['A'] = colours::kBrass;
    palette['z'] = colours::kBrassDark;
    QImage image = fromPixelMap(kBullet, kBulletWidth, kBulletHeight, palette);
    if (!image.isNull()) {
        addOutline(image, 0xFF3C3020);
    }
    return image;
}

QImage plate(Plate which) {
    const PlateColours c = plateColours(which);
    QImage image(kPlateWidth, kPlateHeight, QImage::Format_RGB32);
    image.fill(c.face);
    // A faint fall-off from the top, and a double bevel round the edge.
    for (int y = 0; y < kPlateHeight; ++y) {
        const QRgb row = mix(c.face, c.dark, 0.10 * y / (kPlateHeight - 1));
        for (int x = 0; x < kPlateWidth; ++x) {
            image.setPixel(x, y, row);
        }
    }
    for (int x = 0; x < kPlateWidth; ++x) {
        image.setPixel(x, 0, c.light);
        image.setPixel(x, kPlateHeight - 1, c.dark);
        image.setPixel(x, 1, mix(c.light, c.face, 0.5));
        image.setPixel(x, kPlateHeight - 2, mix(c.face, c.dark, 0.25));
    }
    for (int y = 0; y < kPlateHeight; ++y) {
        image.setPixel(0, y, c.light);
        image.setPixel(kPlateWidth - 1, y, c.dark);
        if (y > 0 && y < kPlateHeight - 1) {
            image.setPixel(1, y, mix(c.light, c.face, 0.5));
            image.setPixel(kPlateWidth - 2, y, mix(c.face, c.dark, 0.25));
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    drawStar(painter, QPointF(7.0, 10.0), 4.6, c.emblem);
    drawStar(painter, QPointF(kPlateWidth - 6.0, 10.0), 4.6, c.emblem);
    painter.end();
    return image;
}

QImage cursor() {
    constexpr int kHot = kCursorSize / 2;
    constexpr int kReach = 12;  // from the edge to the wedge's point
    constexpr int kGap = 4;     // free pixels between the points and the hot spot
    constexpr double kSpread = 0.36;
    QImage image = newCanvas(kCursorSize, kCursorSize);
    for (int d = 1; d <= kReach; ++d) {
        // d runs from the outer edge towards the centre; the wedge narrows to a point.
        const int half = static_cast<int>(std::lround((kReach - d) * kSpread));
        const int depth = kHot - kGap - kReach + d;  // distance from the edge
        for (int w = -half; w <= half; ++w) {
            image.setPixel(kHot + w, depth, 0xFF000000);
            image.setPixel(kHot + w, kCursorSize - depth, 0xFF000000);
            image.setPixel(depth, kHot + w, 0xFF000000);
            image.setPixel(kCursorSize - depth, kHot + w, 0xFF000000);
        }
    }
    addOutline(image, 0xFFFFFFFF);
    return image;
}

}  // namespace assetgen
