// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpriteTest.h"

#include <QImage>
#include <QTest>

#include "AssetFiles.h"

using namespace kelvad::assettest;
using namespace Qt::StringLiterals;

namespace kelvad {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

QImage loadRgb(const QString& name) {
    return QImage(programFile(name)).convertToFormat(QImage::Format_RGB32);
}

int maskedPixels(const QImage& mask) {
    int count = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            count += mask.pixel(x, y) == kBlack;
        }
    }
    return count;
}

}  // namespace

void SpriteTest::pairDrawsCleanly_data() {
    QTest::addColumn<QString>("sprite");
    QTest::addColumn<QString>("mask");
    for (int k = 0; k < 4; ++k) {
        QTest::addRow("shot mark %d", k)
            << u"pictures/mark-%1.bmp"_s.arg(k) << u"pictures/mark-mask-%1.bmp"_s.arg(k);
    }
    for (int j = 0; j < 3; ++j) {
        QTest::addRow("fall %d", j) << u"pictures/fall-%1.bmp"_s.arg(j)
                                    << u"pictures/fall-mask-%1.bmp"_s.arg(j);
    }
}

void SpriteTest::pairDrawsCleanly() {
    QFETCH(QString, sprite);
    QFETCH(QString, mask);
    const QImage picture = loadRgb(sprite);
    const QImage stencil = loadRgb(mask);
    QVERIFY(!picture.isNull() && !stencil.isNull());
    QCOMPARE(picture.size(), stencil.size());

    const int covered = maskedPixels(stencil);
    QVERIFY2(covered > 0 && covered < stencil.width() * stencil.height(),
             "a frame is neither empty nor a block");
    for (int y = 0; y < stencil.height(); ++y) {
        for (int x = 0; x < stencil.width(); ++x) {
            const QRgb m = stencil.pixel(x, y);
            QVERIFY2(m == kBlack || m == kWhite, qPrintable(u"grey mask pixel at %1,%2"_s.arg(x).arg(y)));
            // A stray colour where the background shows through would be XORed into the scene.
            if (m == kWhite) {
                QVERIFY2(picture.pixel(x, y) == kBlack,
                         qPrintable(u"stray sprite pixel at %1,%2"_s.arg(x).arg(y)));
            }
        }
    }

    // On every stage the frame shows in its own colours and leaves the rest of the scene untouched.
    for (const QString& stage : {u"Haitei1.bmp"_s, u"HAITEI2.BMP"_s, u"HAITEI3.BMP"_s}) {
        const QImage scene = loadRgb(stage);
        QImage drawn = scene.copy();
        const QPoint at(37, 101);
        drawMasked(drawn, picture, stencil, at.x(), at.y());
        for (int y = 0; y < stencil.height(); ++y) {
            for (int x = 0; x < stencil.width(); ++x) {
                const QRgb expected =
                    stencil.pixel(x, y) == kBlack ? picture.pixel(x, y) : scene.pixel(at + QPoint(x, y));
                QCOMPARE(drawn.pixel(at + QPoint(x, y)), expected);
            }
        }
    }
}

void SpriteTest::shotMarkGrows() {
    int previous = 0;
    for (int k = 0; k < 4; ++k) {
        const int covered = maskedPixels(loadRgb(u"pictures/mark-mask-%1.bmp"_s.arg(k)));
        QVERIFY2(covered > previous, qPrintable(u"frame %1 is not larger than the one before"_s.arg(k)));
        previous = covered;
    }
}

void SpriteTest::fallLeavesOnlyTheLyingMan() {
    // The three frames are painted over each other into the field and stay; whatever an earlier frame
    // painted outside the last one's shape would be left standing as a ghost.
    const QImage last = loadRgb(u"pictures/fall-mask-2.bmp"_s);
    QImage field(last.size(), QImage::Format_RGB32);
    field.fill(0xFF5A8C3C);
    QImage onlyLast = field.copy();
    for (int j = 0; j < 3; ++j) {
        drawMasked(field, loadRgb(u"pictures/fall-%1.bmp"_s.arg(j)),
                   loadRgb(u"pictures/fall-mask-%1.bmp"_s.arg(j)), 0, 0);
    }
    drawMasked(onlyLast, loadRgb(u"pictures/fall-2.bmp"_s), last, 0, 0);
    QCOMPARE(field, onlyLast);

    // And the last frame is a man lying down: wider than high.
    int left = last.width(), right = -1, top = last.height(), bottom = -1;
    for (int y = 0; y < last.height(); ++y) {
        for (int x = 0; x < last.width(); ++x) {
            if (last.pixel(x, y) == kBlack) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    QVERIFY(right - left > 2 * (bottom - top));
}

}  // namespace kelvad
