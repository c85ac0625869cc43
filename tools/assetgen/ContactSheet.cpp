// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContactSheet.h"

#include <QFont>
#include <QPainter>

#include "Backgrounds.h"
#include "Figures.h"
#include "Icon.h"
#include "Pictures.h"
#include "Sprites.h"

namespace assetgen {
namespace {

constexpr int kZoom = 4;
constexpr QRgb kStatusPanelGrey = 0xFFC0C0C0;

void drawPlateWithLabel(QPainter& painter, const QImage& plateImage, const QString& label, QPoint at) {
    painter.drawImage(at, plateImage);
    // The value label as the window lays it over the plate: bold, black, centred, no background.
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(at.x() + 16, at.y() + 4, 33, 17), Qt::AlignHCenter | Qt::AlignTop, label);
}

QImage stagePanel(const QImage& background) {
    QImage field = background.convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&field);
        int x = 4;
        for (const QImage& man : {blackMan(), blueMan(), yellowMan(), civilian()}) {
            painter.drawImage(x, 4, man);
            x += kFigureWidth + 4;
        }
        painter.drawImage(x + 2, 6, cursor());
        x += kCursorSize + 6;
        painter.fillRect(QRect(x, 4, 20, 31), QColor::fromRgb(kStatusPanelGrey));
        painter.drawImage(x + 4, 8, bullet());
        x += 24;
        painter.drawImage(x, 4, icon(32));
        drawPlateWithLabel(painter, plate(Plate::Fifty), QStringLiteral("50"), QPoint(4, 200));
        drawPlateWithLabel(painter, plate(Plate::Hundred), QStringLiteral("100"), QPoint(70, 200));
        drawPlateWithLabel(painter, plate(Plate::HundredFifty), QStringLiteral("150"), QPoint(136, 200));
    }
    int x = 4;
    for (const MaskedSprite& frame : shotMarkFrames()) {
        blitAndXor(field, frame, x, 56);
        x += kMarkSize + 4;
    }
    const std::vector<MaskedSprite> fall = fallFrames();
    x = 4;
    for (const MaskedSprite& frame : fall) {
        blitAndXor(field, frame, x, 110);
        x += kFallWidth + 4;
    }
    // The three frames over each other, as they stay on the field after a hit.
    for (const MaskedSprite& frame : fall) {
        blitAndXor(field, frame, x + 8, 110);
    }
    // A shot mark over a fallen man, as happens when the next shot lands nearby.
    blitAndXor(field, fall.back(), 4, 154);
    blitAndXor(field, shotMarkFrames().back(), 0, 144);
    return field.scaled(field.size() * kZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

QImage contactSheet() {
    const QImage panels[] = {stagePanel(backStreetByDay()), stagePanel(harbourAtSunset()),
                             stagePanel(cityAtNight())};
    constexpr int kGap = 8;
    const int width = panels[0].width();
    const int height = panels[0].height();
    QImage sheet(3 * width + 2 * kGap, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < 3; ++i) {
        painter.drawImage(i * (width + kGap), 0, panels[i]);
    }
    painter.end();
    return sheet;
}

}  // namespace assetgen
