// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <vector>

namespace assetgen {
namespace {

// Drawn on a 256-unit square.
constexpr double kUnits = 256.0;

struct Ring {
    double radius;
    QRgb colour;
};

// From the outside in: a dark rim, then the red and white rings of a shooting target.
constexpr Ring kRings[] = {
    {122, 0xFF1C2440}, {112, 0xFFF4F0E6}, {94, 0xFFD82828}, {74, 0xFFF4F0E6},
    {54, 0xFFD82828},  {34, 0xFFF4F0E6},  {16, 0xFFD82828},
};

constexpr QRgb kWedge = 0xFF000000;
constexpr QRgb kWedgeEdge = 0xFFFFFFFF;
constexpr double kWedgeEdgeWidth = 6.0;

// The four wedges of the sight, pointing at the bull's-eye.
std::vector<QPolygonF> wedges() {
    const double c = kUnits / 2;
    const double outer = 6;
    const double tip = c - 30;
    const double half = 18;
    return {
        QPolygonF({QPointF(c - half, outer), QPointF(c + half, outer), QPointF(c, tip)}),
        QPolygonF(
            {QPointF(c - half, kUnits - outer), QPointF(c + half, kUnits - outer), QPointF(c, kUnits - tip)}),
        QPolygonF({QPointF(outer, c - half), QPointF(outer, c + half), QPointF(tip, c)}),
        QPolygonF(
            {QPointF(kUnits - outer, c - half), QPointF(kUnits - outer, c + half), QPointF(kUnits - tip, c)}),
    };
}

QString hex(QRgb colour) {
    return QStringLiteral("#%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

}  // namespace

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / kUnits, size / kUnits);
    painter.setPen(Qt::NoPen);
    for (const Ring& ring : kRings) {
        painter.setBrush(QColor::fromRgb(ring.colour));
        painter.drawEllipse(QPointF(kUnits / 2, kUnits / 2), ring.radius, ring.radius);
    }
    painter.setPen(
        QPen(QColor::fromRgb(kWedgeEdge), kWedgeEdgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor::fromRgb(kWedge));
    for (const QPolygonF& wedge : wedges()) {
        painter.drawPolygon(wedge);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString iconSvg() {
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n");
    for (const Ring& ring : kRings) {
        svg += QStringLiteral("  <circle cx=\"128\" cy=\"128\" r=\"%1\" fill=\"%2\"/>\n")
                   .arg(ring.radius)
                   .arg(hex(ring.colour));
    }
    for (const QPolygonF& wedge : wedges()) {
        QStringList points;
        for (const QPointF& p : wedge) {
            points << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
        }
        svg += QStringLiteral(
                   "  <polygon points=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"%4\" "
                   "stroke-linejoin=\"round\"/>\n")
                   .arg(points.join(QLatin1Char(' ')), hex(kWedge), hex(kWedgeEdge))
                   .arg(kWedgeEdgeWidth);
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

}  // namespace assetgen
