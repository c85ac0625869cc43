// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The play field's drawing: the two raster operations, and drawing that lasts against drawing that only
// reaches the screen.
#include "PictureBoxTest.h"

#include "ui/PictureBox.h"

#include <QTest>

using kelvad::PictureBox;

namespace {

QImage solid(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A 40 x 40 box at 96 dpi, over a teal picture.
std::unique_ptr<PictureBox> field() {
    auto box = std::make_unique<PictureBox>();
    box->resize(40, 40);
    box->setPicture(solid(40, 40, qRgb(0x20, 0x80, 0x80)));
    return box;
}

}  // namespace

void PictureBoxTest::maskAndSpriteShowTheSpriteColoursOnAnyBackground_data() {
    QTest::addColumn<QRgb>("background");
    QTest::newRow("teal") << qRgb(0x20, 0x80, 0x80);
    QTest::newRow("white") << qRgb(0xFF, 0xFF, 0xFF);
    QTest::newRow("black") << qRgb(0, 0, 0);
}

void PictureBoxTest::maskAndSpriteShowTheSpriteColoursOnAnyBackground() {
    QFETCH(QRgb, background);
    PictureBox box;
    box.resize(20, 20);
    box.setPicture(solid(20, 20, background));
    // The mask is black where the sprite is, white elsewhere; the sprite is black where the field shows.
    QImage mask = solid(4, 4, qRgb(255, 255, 255));
    QImage sprite = solid(4, 4, qRgb(0, 0, 0));
    mask.setPixel(1, 1, qRgb(0, 0, 0));
    sprite.setPixel(1, 1, qRgb(0xC0, 0x30, 0x10));
    box.setRetainsDrawing(true);
    box.paintPicture(mask, 75, 75, PictureBox::RasterOp::SrcAnd);
    box.paintPicture(sprite, 75, 75, PictureBox::RasterOp::SrcInvert);
    const QImage drawn = box.lastingImage();
    QCOMPARE(drawn.pixel(6, 6), qRgb(0xC0, 0x30, 0x10));
    QCOMPARE(drawn.pixel(5, 5), background);
    QCOMPARE(drawn.pixel(8, 8), background);
}

void PictureBoxTest::xorTwiceRestoresTheField() {
    auto box = field();
    box->setRetainsDrawing(true);
    const QImage sprite = solid(10, 10, qRgb(0x5A, 0xA5, 0xFF));
    box->paintPicture(sprite, 0, 0, PictureBox::RasterOp::SrcInvert);
    QCOMPARE(box->lastingImage().pixel(3, 3), qRgb(0x20 ^ 0x5A, 0x80 ^ 0xA5, 0x80 ^ 0xFF));
    box->paintPicture(sprite, 0, 0, PictureBox::RasterOp::SrcInvert);
    QCOMPARE(box->lastingImage().pixel(3, 3), qRgb(0x20, 0x80, 0x80));
}

void PictureBoxTest::screenOnlyDrawingIsWipedByARefresh() {
    auto box = field();
    box->setRetainsDrawing(false);
    box->paintPicture(solid(5, 5, qRgb(0, 0, 0)), 150, 150, PictureBox::RasterOp::SrcAnd);
    QCOMPARE(box->screenImage().pixel(12, 12), qRgb(0, 0, 0));
    QCOMPARE(box->lastingImage().pixel(12, 12), qRgb(0x20, 0x80, 0x80));
    box->refresh();
    QCOMPARE(box->screenImage().pixel(12, 12), qRgb(0x20, 0x80, 0x80));
}

void PictureBoxTest::retainedDrawingSurvivesARefreshUntilThePictureIsReplaced() {
    auto box = field();
    box->setRetainsDrawing(true);
    box->paintPicture(solid(5, 5, qRgb(0, 0, 0)), 0, 0, PictureBox::RasterOp::SrcAnd);
    box->refresh();
    QCOMPARE(box->screenImage().pixel(2, 2), qRgb(0, 0, 0));
    // A later screen-only mark is wiped back to the retained drawing, not to the bare picture.
    box->setRetainsDrawing(false);
    box->paintPicture(solid(5, 5, qRgb(0xFF, 0xFF, 0xFF)), 0, 0, PictureBox::RasterOp::SrcInvert);
    box->refresh();
    QCOMPARE(box->screenImage().pixel(2, 2), qRgb(0, 0, 0));
    box->setPicture(solid(40, 40, qRgb(0x10, 0x10, 0x10)));
    QCOMPARE(box->screenImage().pixel(2, 2), qRgb(0x10, 0x10, 0x10));
}

void PictureBoxTest::aSmallerPictureLeavesTheBackColourAround() {
    PictureBox box;
    box.resize(257, 233);
    box.setBackColor(Qt::black);
    box.setPicture(solid(255, 233, qRgb(0x40, 0x40, 0x40)));
    QCOMPARE(box.lastingImage().pixel(254, 10), qRgb(0x40, 0x40, 0x40));
    QCOMPARE(box.lastingImage().pixel(256, 10), qRgb(0, 0, 0));
}

void PictureBoxTest::anUnreadablePictureLeavesTheFieldAsItWas() {
    auto box = field();
    QVERIFY(!box->loadPicture(QStringLiteral("/nonexistent/Haitei9.bmp")));
    QCOMPARE(box->lastingImage().pixel(1, 1), qRgb(0x20, 0x80, 0x80));
}
