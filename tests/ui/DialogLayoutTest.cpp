// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogLayoutTest.h"
#include "MakeSmallWindow.h"

#include "ui/HighScoreTableWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/Slider.h"
#include "ui/SpeedWindow.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace kelvad {

namespace {

QString textOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    return {};
}

// The topmost row of a rectangle of the picture that is not the background colour, or -1.
int inkTop(const QImage& image, const QRect& area) {
    const QRgb background = image.pixel(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != background) {
                return y;
            }
        }
    }
    return -1;
}

// The rightmost column of a rectangle that is not the background colour, or -1.
int inkRight(const QImage& image, const QRect& area) {
    const QRgb background = image.pixel(area.topLeft());
    for (int x = area.right(); x >= area.left(); --x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (image.pixel(x, y) != background) {
                return x;
            }
        }
    }
    return -1;
}

QImage picture(QWidget& window) {
    // The device pixel ratio is 1 here, so widget pixels are picture pixels.
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void DialogLayoutTest::windows_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientTwips");

    QTest::newRow("name entry") << "Form2"
                                << "ハイスコアへ登録" << QSize(4185, 1770);
    QTest::newRow("high scores") << "Form3"
                                 << "ハイスコア" << QSize(3930, 3120);
    QTest::newRow("game speed") << "Form4"
                                << "ゲームスピード" << QSize(4185, 1935);
}

void DialogLayoutTest::windows() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, clientTwips);

    QWidget owner;
    std::unique_ptr<SmallWindow> window = makeWindow(name, &owner);
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    const QSize client(clientTwips.width() / kTwipsPerPixel, clientTwips.height() / kTwipsPerPixel);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), client);
    // A window of its own, owned by the main window.
    QVERIFY(window->isWindow());
    QCOMPARE(window->parentWidget(), &owner);
    QVERIFY(!window->isVisible());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
}

void DialogLayoutTest::controls_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    const QString pGothic = QStringLiteral("IPAPGothic");
    const QString gothic = QStringLiteral("IPAGothic");
    const QString mincho = QStringLiteral("IPAMincho");

    QTest::newRow("Form2 Label2") << "Form2"
                                  << "Label2" << QRect(120, 0, 1935, 255) << "" << pGothic << 9.0 << true;
    QTest::newRow("Form2 Label1") << "Form2"
                                  << "Label1" << QRect(120, 360, 3975, 255)
                                  << "ﾊｲｽｺｱに登録します。名前を入力してください。" << pGothic << 9.0 << false;
    QTest::newRow("Form2 Text1") << "Form2"
                                 << "Text1" << QRect(120, 600, 3975, 270) << "" << pGothic << 9.0 << false;
    QTest::newRow("Form2 Command1") << "Form2"
                                    << "Command1" << QRect(1200, 1200, 1695, 495) << "OK" << pGothic << 9.0
                                    << false;

    QTest::newRow("Form3 Label1") << "Form3"
                                  << "Label1" << QRect(120, 120, 4095, 375) << "HIGH SCORE" << mincho << 20.25
                                  << true;
    const char* ranks[] = {"Label2", "Label4", "Label6", "Label8", "Label10"};
    for (int row = 0; row < 5; ++row) {
        const int top = 720 + 360 * row;
        const QString n = QString::number(row + 1);
        QTest::addRow("Form3 rank %d", row + 1)
            << "Form3" << ranks[row] << QRect(120, top, 135, 255) << n << gothic << 9.75 << true;
        QTest::addRow("Form3 NA%d", row + 1)
            << "Form3"
            << "NA" + n << QRect(360, top, 2055, 255) << "" << gothic << 9.75 << true;
        QTest::addRow("Form3 TO%d", row + 1)
            << "Form3"
            << "TO" + n << QRect(2520, top, 975, 255) << "" << gothic << 9.75 << true;
        QTest::addRow("Form3 unit %d", row + 1)
            << "Form3" << QStringLiteral("Label%1").arg(17 + row) << QRect(3600, top, 255, 255) << "点"
            << gothic << 9.75 << true;
    }
    QTest::newRow("Form3 Command1") << "Form3"
                                    << "Command1" << QRect(120, 2520, 1455, 495) << "OK" << pGothic << 9.0
                                    << false;
    QTest::newRow("Form3 Command2") << "Form3"
                                    << "Command2" << QRect(1680, 2520, 1455, 495) << "初期化" << pGothic
                                    << 9.0 << false;

    QTest::newRow("Form4 Slider1") << "Form4"
                                   << "Slider1" << QRect(120, 120, 3975, 375) << "" << pGothic << 9.0
                                   << false;
    QTest::newRow("Form4 Label3") << "Form4"
                                  << "Label3" << QRect(120, 600, 735, 255) << "遅い" << pGothic << 9.0
                                  << false;
    QTest::newRow("Form4 Label4") << "Form4"
                                  << "Label4" << QRect(1920, 600, 495, 255) << "普通" << pGothic << 9.0
                                  << false;
    QTest::newRow("Form4 Label5") << "Form4"
                                  << "Label5" << QRect(3600, 600, 495, 255) << "速い" << pGothic << 9.0
                                  << false;
    QTest::newRow("Form4 Label2") << "Form4"
                                  << "Label2" << QRect(120, 960, 855, 255) << "開始点数" << pGothic << 9.0
                                  << false;
    QTest::newRow("Form4 Label6") << "Form4"
                                  << "Label6" << QRect(1080, 960, 2895, 255) << "" << pGothic << 9.0 << true;
    QTest::newRow("Form4 Command2") << "Form4"
                                    << "Command2" << QRect(120, 1320, 1455, 495) << "OK" << pGothic << 9.0
                                    << false;
    QTest::newRow("Form4 Command1") << "Form4"
                                    << "Command1" << QRect(1680, 1320, 1455, 495) << "ｷｬﾝｾﾙ" << pGothic << 9.0
                                    << false;
}

void DialogLayoutTest::controls() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);

    QWidget owner;
    std::unique_ptr<SmallWindow> shown = makeWindow(window, &owner);
    auto* widget = shown->findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
    QVERIFY2(widget, qPrintable(control + QStringLiteral(" is missing")));
    QCOMPARE(widget->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(textOf(widget), text);
    QCOMPARE(QFontInfo(widget->font()).family(), family);
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
}

namespace {

// The name and the score label of a rank 1 .. 5.
QLabel* nameOf(QWidget& table, int rank) {
    return table.findChild<QLabel*>(QStringLiteral("NA%1").arg(rank));
}
QLabel* scoreOf(QWidget& table, int rank) {
    return table.findChild<QLabel*>(QStringLiteral("TO%1").arg(rank));
}

}  // namespace

void DialogLayoutTest::scoreRowsLineUp() {
    QWidget owner;
    HighScoreTableWindow table(&owner);
    const QList<QLabel*> ranks{table.findChild<QLabel*>(QStringLiteral("Label2")),
                               table.findChild<QLabel*>(QStringLiteral("Label4")),
                               table.findChild<QLabel*>(QStringLiteral("Label6")),
                               table.findChild<QLabel*>(QStringLiteral("Label8")),
                               table.findChild<QLabel*>(QStringLiteral("Label10"))};
    const QList<QLabel*> units{table.findChild<QLabel*>(QStringLiteral("Label17")),
                               table.findChild<QLabel*>(QStringLiteral("Label18")),
                               table.findChild<QLabel*>(QStringLiteral("Label19")),
                               table.findChild<QLabel*>(QStringLiteral("Label20")),
                               table.findChild<QLabel*>(QStringLiteral("Label21"))};
    // The same glyph in the name and the score as in the rank digit: its ink must start on the same row.
    const QStringList digits{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"), QStringLiteral("5")};
    table.showRows(digits, digits);
    const QImage image = picture(table);
    int previousTop = -1;
    for (int row = 0; row < HighScoreTableWindow::kRows; ++row) {
        const QList<QWidget*> pieces{ranks[row], nameOf(table, row + 1), scoreOf(table, row + 1), units[row]};
        for (QWidget* piece : pieces) {
            QCOMPARE(piece->geometry().top(), ranks[row]->geometry().top());
            QCOMPARE(piece->geometry().height(), ranks[row]->geometry().height());
        }
        const int digitTop = inkTop(image, ranks[row]->geometry());
        QVERIFY(digitTop >= 0);
        QCOMPARE(inkTop(image, nameOf(table, row + 1)->geometry()), digitTop);
        QCOMPARE(inkTop(image, scoreOf(table, row + 1)->geometry()), digitTop);
        // "点" is another glyph; its ink must still lie within the line of its row.
        const int unitTop = inkTop(image, units[row]->geometry());
        QVERIFY(unitTop >= ranks[row]->geometry().top() && unitTop < digitTop + 4);
        QVERIFY(digitTop > previousTop);
        previousTop = digitTop;
    }
}

void DialogLayoutTest::scoresAlignRight() {
    QWidget owner;
    HighScoreTableWindow table(&owner);
    const QStringList scores{QStringLiteral("2000"), QStringLiteral("1500"), QStringLiteral("1000"),
                             QStringLiteral("500"), QStringLiteral("0")};
    table.showRows(QStringList(5, QString()), scores);
    const QImage image = picture(table);
    // Every score ends in "0": right-aligned, the last digits stand in one column.
    const int right = inkRight(image, scoreOf(table, 1)->geometry());
    QVERIFY(right > scoreOf(table, 1)->geometry().center().x());
    for (int rank = 2; rank <= HighScoreTableWindow::kRows; ++rank) {
        QCOMPARE(inkRight(image, scoreOf(table, rank)->geometry()), right);
    }
}

void DialogLayoutTest::namesAreShownAsTyped() {
    // A player may type anything; markup in a name is shown as the characters typed.
    QWidget owner;
    HighScoreTableWindow table(&owner);
    table.showRows({QStringLiteral("<br>")}, {QStringLiteral("1")});
    const QImage image = picture(table);
    QVERIFY(inkTop(image, nameOf(table, 1)->geometry()) >= 0);
    // Rows beyond those given keep what they showed.
    QCOMPARE(nameOf(table, 2)->text(), QString());
}

void DialogLayoutTest::speedSlider() {
    QWidget owner;
    SpeedWindow dialog(&owner);
    const auto* slider = dialog.findChild<QSlider*>(QStringLiteral("Slider1"));
    const auto* startScore = dialog.findChild<QLabel*>(QStringLiteral("Label6"));
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 10);
    QCOMPARE(slider->value(), 5);
    QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);
    QCOMPARE(startScore->alignment(), Qt::AlignCenter);
    QCOMPARE(startScore->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(startScore->autoFillBackground());
    QCOMPARE(startScore->frameShape(), QFrame::Box);
}

void DialogLayoutTest::captionsRenderInJapaneseFonts() {
    QWidget owner;
    NameEntryWindow name(&owner);
    HighScoreTableWindow table(&owner);
    SpeedWindow speed(&owner);
    name.open(QStringLiteral("一位"), QStringLiteral("名前なし"));
    name.hide();
    table.showRows(QStringList(5, QStringLiteral("名前なし")),
                   {QStringLiteral("2000"), QStringLiteral("1500"), QStringLiteral("1000"),
                    QStringLiteral("500"), QStringLiteral("0")});
    speed.showStartScore(-250);

    // Every character must come from the window's own Japanese font, not from a fallback without it.
    const QList<QWidget*> windows{&name, &table, &speed};
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString text = textOf(control);
            const QFontMetrics metrics(control->font());
            QVERIFY2(QFontInfo(control->font()).family().startsWith(QLatin1String("IPA")),
                     qPrintable(control->objectName()));
            for (const QChar c : text) {
                QVERIFY2(metrics.inFont(c), qPrintable(control->objectName() + QStringLiteral(": ") + c));
            }
        }
    }

    // KELVAD_SCREENSHOTS names a folder for pictures of the three windows, to look at.
    const QString folder = qEnvironmentVariable("KELVAD_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        for (QWidget* window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QVERIFY(
                window->grab().save(QDir(folder).filePath(window->objectName() + QStringLiteral(".png"))));
        }
    }
}

}  // namespace kelvad
