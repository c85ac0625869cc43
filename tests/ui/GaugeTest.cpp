// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GaugeTest.h"

#include "ui/Fonts.h"
#include "ui/Gauge.h"
#include "ui/PictureBox.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <memory>

namespace kelvad {

namespace {

// The time gauge's box: 2055 x 255 twips.
constexpr int kWidth = 137;
constexpr int kHeight = 17;
constexpr QRgb kNavy = 0x000080;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kRed = 0xFF0000;

std::unique_ptr<PictureBox> makeBox(int width = kWidth, int height = kHeight, QColor back = Qt::white) {
    auto box = std::make_unique<PictureBox>();
    box->resize(width, height);
    box->setBackColor(back);
    box->setFont(designFont(kPGothic, 9.75));
    return box;
}

QRgb pixelAt(const PictureBox& box, int x, int y) {
    return box.lastingImage().pixel(x, y) & 0xFFFFFF;
}

// The colours of every pixel for which the predicate on (x, y) holds.
QSet<QRgb> coloursWhere(const PictureBox& box, const std::function<bool(int, int)>& where) {
    QSet<QRgb> colours;
    const QImage& image = box.lastingImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (where(x, y)) {
                colours.insert(image.pixel(x, y) & 0xFFFFFF);
            }
        }
    }
    return colours;
}

// Pixels that are navy exactly left of `barEnd` (or nowhere but the corner for an empty bar), white
// elsewhere.
void verifyHorizontal(const PictureBox& box, int barEnd) {
    const QImage& image = box.lastingImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inBar = barEnd == 0 ? (x == 0 && y == 0) : x < barEnd;
            const QRgb expected = inBar ? kNavy : kWhite;
            if (pixelAt(box, x, y) != expected) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(pixelAt(box, x, y), 6, 16, QLatin1Char('0'))
                                     .arg(expected, 6, 16, QLatin1Char('0'))));
            }
        }
    }
}

}  // namespace

void GaugeTest::horizontalBar_data() {
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("barEnd");

    // 14/15 of 137 pixels is 127.9.
    QTest::newRow("14 of 15") << 15 << 14 << 14 << 128;
    QTest::newRow("above Max is full") << 15 << 20 << 15 << kWidth;
    QTest::newRow("below 0 is empty") << 15 << -3 << 0 << 0;
    QTest::newRow("0 marks only the corner") << 60 << 0 << 0 << 0;
    QTest::newRow("a full clock") << 60 << 60 << 60 << kWidth;
    QTest::newRow("one tick left") << 60 << 1 << 1 << 2;
}

void GaugeTest::horizontalBar() {
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(int, stored);
    QFETCH(int, barEnd);

    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    gauge.setMax(max);
    gauge.setValue(value);

    QCOMPARE(gauge.value(), stored);
    verifyHorizontal(*box, barEnd);
}

void GaugeTest::loweringMaxClampsValue() {
    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    gauge.setMax(100);
    gauge.setValue(40);
    verifyHorizontal(*box, 55);

    gauge.setMax(15);
    QCOMPARE(gauge.value(), 15);
    verifyHorizontal(*box, kWidth);
}

void GaugeTest::verticalBar_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("firstBarRow");
    QTest::addColumn<int>("lastBarRow");

    // A quarter of 17 rows, from the bottom.
    QTest::newRow("25 of 100") << 25 << 13 << 16;
    QTest::newRow("full") << 100 << 0 << 16;
    // An empty vertical gauge marks its top edge.
    QTest::newRow("empty") << 0 << 0 << 0;
}

void GaugeTest::verticalBar() {
    QFETCH(int, value);
    QFETCH(int, firstBarRow);
    QFETCH(int, lastBarRow);

    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    // Max is never assigned: the style alone must give the box its logical height.
    gauge.setStyle(Gauge::Style::Vertical);
    gauge.setValue(value);

    for (int y = 0; y < kHeight; ++y) {
        const QRgb expected = (y >= firstBarRow && y <= lastBarRow) ? kNavy : kWhite;
        QCOMPARE(coloursWhere(*box, [y](int, int row) { return row == y; }), QSet<QRgb>{expected});
    }
}

void GaugeTest::otherStyleDrawsNoBar() {
    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    gauge.setStyle(Gauge::Style::TextOnly);
    gauge.setValue(50);

    QCOMPARE(gauge.value(), 50);
    QCOMPARE(coloursWhere(*box, [](int, int) { return true; }), QSet<QRgb>{kWhite});
}

void GaugeTest::textReadsWhiteOnBarAndBarColourBeside() {
    auto plainBox = makeBox();
    Gauge plain;
    plain.setTarget(plainBox.get());
    plain.setMax(100);
    plain.setValue(50);

    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    gauge.setMax(100);
    gauge.setUnit(QStringLiteral("%"));
    gauge.setValueShown(true);
    gauge.setValue(50);

    // The letters are the pixels that differ from the same bar without text.
    const QImage& withText = box->lastingImage();
    const QImage& without = plainBox->lastingImage();
    const int barEnd = 69;  // 50 of 100 over 137 pixels, rounded
    QRect letters;
    int onBar = 0;
    int beside = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb colour = withText.pixel(x, y) & 0xFFFFFF;
            if (colour == (without.pixel(x, y) & 0xFFFFFF)) {
                continue;
            }
            letters |= QRect(x, y, 1, 1);
            if (x < barEnd) {
                QCOMPARE(colour, kWhite);
                ++onBar;
            } else {
                QCOMPARE(colour, kNavy);
                ++beside;
            }
        }
    }
    QVERIFY2(onBar > 5, "the left half of the text should read white on the bar");
    QVERIFY2(beside > 5, "the right half of the text should read navy beside the bar");
    // Centred on the middle of the full scale, in both directions.
    QVERIFY2(
        qAbs((letters.left() + letters.right() + 1) / 2.0 - kWidth / 2.0) <= 3,
        qPrintable(QStringLiteral("text spans columns %1..%2").arg(letters.left()).arg(letters.right())));
    QVERIFY2(qAbs((letters.top() + letters.bottom() + 1) / 2.0 - kHeight / 2.0) <= 3,
             qPrintable(QStringLiteral("text spans rows %1..%2").arg(letters.top()).arg(letters.bottom())));
    // Nothing but the two colours: the letters are not smoothed into in-between shades.
    QCOMPARE(coloursWhere(*box, [](int, int) { return true; }), (QSet<QRgb>{kNavy, kWhite}));
}

void GaugeTest::anotherBackColor() {
    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    gauge.setMax(15);
    gauge.setValue(5);
    gauge.setValueShown(true);
    gauge.setBackColor(qRgb(255, 0, 0));

    QCOMPARE(gauge.backColor(), qRgb(255, 0, 0));
    const int barEnd = 46;  // 5/15 of 137
    QCOMPARE(coloursWhere(*box, [&](int x, int) { return x < barEnd; }), QSet<QRgb>{kNavy});
    // The rest takes the back colour; the digit "5", drawn in navy there, becomes NOT(navy XOR red).
    const QRgb letterOnRest = ~(kNavy ^ kRed) & 0xFFFFFF;
    QCOMPARE(coloursWhere(*box, [&](int x, int) { return x >= barEnd; }), (QSet<QRgb>{kRed, letterOnRest}));
}

void GaugeTest::everyAssignmentRedraws() {
    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    gauge.setMax(15);
    gauge.setValue(7);
    const auto all = [](int, int) { return true; };

    gauge.setBarColor(qRgb(0, 128, 0));
    QCOMPARE(gauge.barColor(), qRgb(0, 128, 0));
    QCOMPARE(coloursWhere(*box, all), (QSet<QRgb>{0x008000, kWhite}));

    gauge.setUnit(QStringLiteral("発"));
    QCOMPARE(gauge.unit(), QStringLiteral("発"));
    const int withUnit =
        coloursWhere(*box, [&](int x, int y) { return x >= 64 && pixelAt(*box, x, y) != kWhite; }).size();
    QVERIFY2(withUnit > 0, "the unit should show beside the bar");

    gauge.setUnit(QString());
    gauge.setValueShown(true);
    QVERIFY(gauge.valueShown());
    // "7" sits in the middle, right of the 7/15 bar: green letters on white.
    QVERIFY(!coloursWhere(*box, [&](int x, int y) {
                 return x >= 64 && pixelAt(*box, x, y) == 0x008000;
             }).isEmpty());

    gauge.setStyle(Gauge::Style::TextOnly);
    QCOMPARE(gauge.style(), Gauge::Style::TextOnly);
    QCOMPARE(coloursWhere(*box, [](int x, int) { return x < 40; }), QSet<QRgb>{kWhite});
}

void GaugeTest::newTargetIsDrawnEmpty() {
    auto first = makeBox();
    auto second = makeBox();
    Gauge gauge;
    gauge.setTarget(first.get());
    gauge.setMax(60);
    gauge.setValue(40);
    const QImage firstDrawing = first->lastingImage();

    gauge.setTarget(second.get());
    QCOMPARE(gauge.value(), 0);
    QVERIFY(second->retainsDrawing());
    verifyHorizontal(*second, 0);

    // The new box takes the full scale as its width; the old box is left alone.
    gauge.setValue(30);
    verifyHorizontal(*second, 69);
    QCOMPARE(first->lastingImage(), firstDrawing);
}

void GaugeTest::drawingIsRetainedAndShown() {
    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    gauge.setMax(60);
    gauge.setValue(45);

    QVERIFY(box->retainsDrawing());
    QCOMPARE(box->screenImage(), box->lastingImage());
    verifyHorizontal(*box, 103);
}

void GaugeTest::drawingWhileHiddenSurvivesShowing() {
    // The magazine gauges are drawn while their frame is hidden, and must show when the frame appears.
    QWidget frame;
    frame.resize(200, 50);
    auto* box = new PictureBox(&frame);
    box->setGeometry(10, 10, kWidth, kHeight);
    Gauge gauge;
    gauge.setTarget(box);
    gauge.setMax(15);
    gauge.setValue(14);

    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    verifyHorizontal(*box, 128);
}

void GaugeTest::logicalHeightRoundsHalvesToEven() {
    // On a black box the white ground shows how high the gauge reckons itself: 16.5 units read as 16.
    auto box = makeBox(kWidth, 33, Qt::black);
    Gauge gauge;
    gauge.setTarget(box.get());
    box->setScaleHeight(16.5);
    gauge.setBarColor(Gauge::kNavy);

    QCOMPARE(coloursWhere(*box, [](int x, int y) { return y == 31 && x > 0; }), QSet<QRgb>{kWhite});
    QCOMPARE(coloursWhere(*box, [](int, int y) { return y == 32; }), QSet<QRgb>{0x000000});
}

void GaugeTest::fullScaleOfZeroOrLessDrawsNoBar_data() {
    QTest::addColumn<int>("max");
    QTest::newRow("0") << 0;
    QTest::newRow("negative") << -5;
}

void GaugeTest::fullScaleOfZeroOrLessDrawsNoBar() {
    QFETCH(int, max);
    auto box = makeBox();
    Gauge gauge;
    gauge.setTarget(box.get());
    gauge.setMax(max);
    gauge.setValue(5);
    gauge.setStyle(Gauge::Style::Vertical);

    QVERIFY(gauge.value() <= qMax(max, 0));
    QCOMPARE(coloursWhere(*box, [](int, int) { return true; }), QSet<QRgb>{kWhite});
}

void GaugeTest::withoutTargetOnlyStores() {
    Gauge gauge;
    QCOMPARE(gauge.max(), 100);
    QCOMPARE(gauge.barColor(), qRgb(0, 0, 128));
    QCOMPARE(gauge.backColor(), qRgb(255, 255, 255));
    gauge.setValue(130);
    QCOMPARE(gauge.value(), 100);

    auto box = makeBox();
    gauge.setTarget(box.get());
    QCOMPARE(gauge.value(), 0);
    verifyHorizontal(*box, 0);
}

}  // namespace kelvad
