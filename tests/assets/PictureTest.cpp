// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureTest.h"

#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

#include "AssetFiles.h"

using namespace kelvad::assettest;
using namespace Qt::StringLiterals;

namespace kelvad {
namespace {

enum class Kind { Bmp24, PngAlpha };

const QStringList kStages{u"Haitei1.bmp"_s, u"HAITEI2.BMP"_s, u"HAITEI3.BMP"_s};
const QStringList kMen{u"pictures/man-black.png"_s, u"pictures/man-blue.png"_s, u"pictures/man-yellow.png"_s};

QImage load(const QString& name) {
    return QImage(programFile(name)).convertToFormat(QImage::Format_ARGB32);
}

double luma(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

double meanLuma(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += luma(image.pixel(x, y));
        }
    }
    return sum / (image.width() * image.height());
}

bool opaque(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) >= 128;
}

}  // namespace

void PictureTest::initTestCase() {
    QVERIFY2(!programFile(u"x"_s).isEmpty(), "KELVAD_PROGRAM_DIR is not set");
}

void PictureTest::fileFormatAndSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Kind>("kind");
    for (const QString& stage : kStages) {
        QTest::newRow(qPrintable(stage)) << stage << 255 << 233 << Kind::Bmp24;
    }
    for (const QString& man : kMen + QStringList{u"pictures/civilian.png"_s}) {
        QTest::newRow(qPrintable(man)) << man << 26 << 39 << Kind::PngAlpha;
    }
    QTest::newRow("bullet") << u"pictures/bullet.png"_s << 12 << 23 << Kind::PngAlpha;
    QTest::newRow("cursor") << u"pictures/cursor.png"_s << 32 << 32 << Kind::PngAlpha;
    for (const char* value : {"50", "100", "150"}) {
        QTest::addRow("plate %s", value)
            << u"pictures/plate-%1.bmp"_s.arg(QLatin1String(value)) << 60 << 20 << Kind::Bmp24;
    }
    for (int k = 0; k < 4; ++k) {
        QTest::addRow("mark %d", k) << u"pictures/mark-%1.bmp"_s.arg(k) << 40 << 40 << Kind::Bmp24;
        QTest::addRow("mark mask %d", k) << u"pictures/mark-mask-%1.bmp"_s.arg(k) << 40 << 40 << Kind::Bmp24;
    }
    for (int j = 0; j < 3; ++j) {
        QTest::addRow("fall %d", j) << u"pictures/fall-%1.bmp"_s.arg(j) << 32 << 39 << Kind::Bmp24;
        QTest::addRow("fall mask %d", j) << u"pictures/fall-mask-%1.bmp"_s.arg(j) << 32 << 39 << Kind::Bmp24;
    }
    for (int size : {32, 48, 64, 128, 256}) {
        QTest::addRow("icon %d", size)
            << u"pictures/icon-%1.png"_s.arg(size) << size << size << Kind::PngAlpha;
    }
}

void PictureTest::fileFormatAndSize() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Kind, kind);
    const QByteArray bytes = readAll(programFile(name));
    QVERIFY2(!bytes.isEmpty(), qPrintable(u"missing or empty: "_s + name));
    if (kind == Kind::Bmp24) {
        const std::optional<BmpHeader> header = readBmpHeader(bytes);
        QVERIFY(header);
        QCOMPARE(header->width, width);
        QCOMPARE(header->height, height);  // positive: bottom-up rows, as every reader expects
        QCOMPARE(header->bitsPerPixel, 24);
        QCOMPARE(header->compression, 0);
        const std::uint32_t rowBytes = (width * 3 + 3) & ~3;
        QCOMPARE(header->fileSize, std::uint32_t(bytes.size()));
        QCOMPARE(header->pixelOffset + rowBytes * height, std::uint32_t(bytes.size()));
    }
    const QImage image = QImage::fromData(bytes);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(width, height));
    if (kind == Kind::PngAlpha) {
        QVERIFY(bytes.startsWith("\x89PNG"));
        QVERIFY(image.hasAlphaChannel());
        // Transparent around the picture: every corner shows what lies beneath.
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, height - 1), QPoint(width - 1, height - 1)}) {
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
    }
}

void PictureTest::stagesGrowDarker() {
    const double first = meanLuma(load(kStages[0]));
    const double second = meanLuma(load(kStages[1]));
    const double third = meanLuma(load(kStages[2]));
    QVERIFY2(first > second + 25 && second > third + 25,
             qPrintable(u"mean brightness %1, %2, %3"_s.arg(first).arg(second).arg(third)));
}

void PictureTest::menStandOutOnEveryStage_data() {
    QTest::addColumn<QString>("man");
    QTest::addColumn<QString>("stage");
    for (const QString& man : kMen + QStringList{u"pictures/civilian.png"_s}) {
        for (const QString& stage : kStages) {
            QTest::addRow("%s on %s", qPrintable(man), qPrintable(stage)) << man << stage;
        }
    }
}

void PictureTest::menStandOutOnEveryStage() {
    // Over a grid of places on the field, most of a figure must differ clearly from the scene behind.
    QFETCH(QString, man);
    QFETCH(QString, stage);
    const QImage figure = load(man);
    const QImage scene = load(stage);
    int opaquePixels = 0;
    int distinct = 0;
    double difference = 0;
    for (int top = 0; top + figure.height() <= scene.height(); top += 16) {
        for (int left = 0; left + figure.width() <= scene.width(); left += 16) {
            for (int y = 0; y < figure.height(); ++y) {
                for (int x = 0; x < figure.width(); ++x) {
                    if (!opaque(figure, x, y)) {
                        continue;
                    }
                    ++opaquePixels;
                    const double d =
                        std::abs(luma(figure.pixel(x, y)) - luma(scene.pixel(left + x, top + y)));
                    difference += d;
                    if (d >= 40) {
                        ++distinct;
                    }
                }
            }
        }
    }
    const double share = double(distinct) / opaquePixels;
    const double meanDifference = difference / opaquePixels;
    // A black figure on the night scene is dark by nature; his light edge and details must carry him.
    QVERIFY2(share >= 0.45, qPrintable(u"only %1% of the figure stands out"_s.arg(share * 100, 0, 'f', 1)));
    QVERIFY2(meanDifference >= 50, qPrintable(u"mean brightness difference %1"_s.arg(meanDifference)));
}

void PictureTest::blackManKeepsALightEdgeAtNight() {
    // His silhouette's edge must be light against the night scene, or he disappears into it.
    const QImage man = load(kMen[0]);
    const double night = meanLuma(load(kStages[2]));
    double edgeSum = 0;
    int edgePixels = 0;
    for (int y = 0; y < man.height(); ++y) {
        for (int x = 0; x < man.width(); ++x) {
            if (!opaque(man, x, y)) {
                continue;
            }
            bool outer = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    outer = outer || !opaque(man, x + dx, y + dy);
                }
            }
            if (outer) {
                edgeSum += luma(man.pixel(x, y));
                ++edgePixels;
            }
        }
    }
    QVERIFY(edgePixels > 0);
    QVERIFY2(edgeSum / edgePixels > night + 80,
             qPrintable(u"edge %1 against night %2"_s.arg(edgeSum / edgePixels).arg(night)));
}

void PictureTest::civilianIsLightWithHandsUp() {
    const QImage civilian = load(u"pictures/civilian.png"_s);
    const auto lightness = [](const QImage& image) {
        double sum = 0;
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (opaque(image, x, y)) {
                    sum += luma(image.pixel(x, y));
                    ++count;
                }
            }
        }
        return sum / count;
    };
    for (const QString& man : kMen) {
        QVERIFY2(lightness(civilian) > lightness(load(man)) + 30, qPrintable(man));
    }
    // Both hands above the head: figure pixels in the top rows at both outer sides.
    const auto anyOpaque = [&civilian](int fromX, int toX) {
        for (int y = 0; y < 6; ++y) {
            for (int x = fromX; x <= toX; ++x) {
                if (opaque(civilian, x, y)) {
                    return true;
                }
            }
        }
        return false;
    };
    QVERIFY(anyOpaque(0, 6));
    QVERIFY(anyOpaque(19, 25));
}

void PictureTest::plateMiddleKeepsDigitsReadable_data() {
    QTest::addColumn<QString>("name");
    for (const char* value : {"50", "100", "150"}) {
        QTest::newRow(value) << u"pictures/plate-%1.bmp"_s.arg(QLatin1String(value));
    }
}

void PictureTest::plateMiddleKeepsDigitsReadable() {
    // The value label lies over x 16..49 from y 4 down past the plate's bottom edge, with black bold
    // digits centred in it: keep everything above the bottom edge's line light and plain.
    QFETCH(QString, name);
    const QImage plate = load(name);
    double sum = 0;
    double sumSquares = 0;
    double darkest = 255;
    int count = 0;
    for (int y = 4; y < 19; ++y) {
        for (int x = 16; x <= 49; ++x) {
            const double l = luma(plate.pixel(x, y));
            sum += l;
            sumSquares += l * l;
            darkest = std::min(darkest, l);
            ++count;
        }
    }
    const double mean = sum / count;
    const double spread = std::sqrt(sumSquares / count - mean * mean);
    QVERIFY2(darkest >= 150, qPrintable(u"darkest %1"_s.arg(darkest)));
    QVERIFY2(spread <= 16, qPrintable(u"spread %1"_s.arg(spread)));
}

void PictureTest::cursorPointsAtItsHotSpot() {
    const QImage cursor = load(u"pictures/cursor.png"_s);
    constexpr int kHot = 16;
    QCOMPARE(qAlpha(cursor.pixel(kHot, kHot)), 0);
    int black = 0;
    int white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = cursor.pixel(x, y);
            if (qAlpha(p) == 0) {
                continue;
            }
            if ((p & 0xFFFFFF) == 0) {
                ++black;
                QVERIFY2(std::max(std::abs(x - kHot), std::abs(y - kHot)) >= 3, "wedge covers the aim point");
            } else if ((p & 0xFFFFFF) == 0xFFFFFF) {
                ++white;
            } else {
                QFAIL("the sight is black with a white edge only");
            }
            // Four wedges placed symmetrically round the hot spot.
            if (x > 0 && y > 0) {
                QCOMPARE(cursor.pixel(2 * kHot - x, y), p);
                QCOMPARE(cursor.pixel(x, 2 * kHot - y), p);
                QCOMPARE(cursor.pixel(y, x), p);
            }
        }
    }
    QVERIFY(black >= 4 * 20);
    QVERIFY(white > 0);
    // A wedge on each side of the hot spot, along its row and column.
    for (const QPoint p : {QPoint(kHot, 8), QPoint(kHot, 24), QPoint(8, kHot), QPoint(24, kHot)}) {
        QCOMPARE(cursor.pixel(p) & 0xFFFFFFu, 0u);
    }
}

void PictureTest::iconSvgIsWellFormed() {
    QXmlStreamReader xml(readAll(programFile(u"pictures/icon.svg"_s)));
    bool sawSvg = false;
    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            sawSvg = sawSvg || xml.name() == u"svg"_s;
            shapes += xml.name() == u"circle"_s || xml.name() == u"polygon"_s;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(sawSvg);
    QVERIFY(shapes >= 5);
}

}  // namespace kelvad
