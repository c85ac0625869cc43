// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as the player first sees it.
#include "MainWindowLayoutTest.h"

#include "GameFixture.h"
#include "PhaseControls.h"
#include "ui/Fonts.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <functional>

using kelvad::testing::GameFixture;

void MainWindowLayoutTest::theClientAreaIs430By279AndFixed() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    QCOMPARE(window.centralWidget()->size(), QSize(430, 279));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.windowTitle(), QStringLiteral("ケルバド解消ゲーム"));
}

void MainWindowLayoutTest::theReadyStateAfterLoad() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    QCOMPARE(kelvad::testing::controlStates(window), kelvad::testing::readyControls());
    QCOMPARE(kelvad::testing::controlStates(game.game()), kelvad::testing::readyControls());
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{game.control("I1"), game.control("I2"), game.control("I3"),
                                         game.control("HE1"), game.control("D1"), game.control("D2"),
                                         game.control("D3"), game.control("F2"), game.control("F3")}) {
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    }
    for (QWidget* disabled :
         std::initializer_list<QWidget*>{game.control("I1"), game.control("I2"), game.control("I3"),
                                         game.control("D1"), game.control("D2"), game.control("D3")}) {
        QVERIFY2(!disabled->isEnabled(), qPrintable(disabled->objectName()));
    }
    QVERIFY(game.control("F1")->isVisible());
    QVERIFY(game.control<QAction>("B11")->isChecked());
    QVERIFY(!game.control<QAction>("B12")->isChecked());
    QVERIFY(!game.control<QAction>("B13")->isChecked());
    QVERIFY(game.control<QLabel>("ME1")->text().isEmpty());
    // The panels lie over the play field and the status panel.
    QCOMPARE(window.centralWidget()->childAt(game.control("Picture1")->geometry().center()),
             game.control("TAITOLU_0"));
    QVERIFY(game.control("TAITOLU_1")->isAncestorOf(window.centralWidget()->childAt(QPoint(300, 150))) ||
            window.centralWidget()->childAt(QPoint(300, 150)) == game.control("TAITOLU_1"));
    // No timer ticks in the ready state.
    QCOMPARE(game.platform.scheduler.nextTickIn(), -1);
}

void MainWindowLayoutTest::theMenusInTheirOrder() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    // Every entry of the menu bar, depth first: its design name, caption and shortcut.
    QStringList entries;
    const std::function<void(const QList<QAction*>&, const QString&)> list =
        [&](const QList<QAction*>& actions, const QString& indent) {
            for (QAction* action : actions) {
                QMenu* menu = action->menu();
                const QString name = menu ? menu->objectName() : action->objectName();
                const QString text = action->isSeparator() ? QStringLiteral("---") : action->text();
                const QString shortcut = action->shortcut().toString(QKeySequence::PortableText);
                entries << indent + (name + QLatin1Char(' ') + text + QLatin1Char(' ') + shortcut).trimmed();
                if (menu) {
                    list(menu->actions(), indent + QStringLiteral("  "));
                }
            }
        };
    list(window.menuBar()->actions(), QString());
    QCOMPARE(entries, QStringList({
                          QStringLiteral("A1 ｹﾞｰﾑ(&G)"),
                          QStringLiteral("  B1 ｽﾀｰﾄ(&S) Ctrl+S"),
                          QStringLiteral("  B19 ﾀｲﾑ(&T) Ctrl+T"),
                          QStringLiteral("  B21 ｽﾀｰﾄ時に戻す(&B)"),
                          QStringLiteral("  B4 ﾊｲｽｺｱ(&H)... Ctrl+H"),
                          QStringLiteral("  C2 ---"),
                          QStringLiteral("  B5 終了(&E)"),
                          QStringLiteral("A2 ｵﾌﾟｼｮﾝ(&O)"),
                          QStringLiteral("  B6 ｹﾞｰﾑｽﾋﾟｰﾄﾞ(&G)... Ctrl+G"),
                          QStringLiteral("  B10 銃の種類(&S)"),
                          QStringLiteral("    B11 ﾉｰﾏﾙｶﾞﾝ(&N)"),
                          QStringLiteral("    B12 ｻﾌﾞﾏｼﾝｶﾞﾝ(&S)"),
                          QStringLiteral("    B13 ｼﾞｬｯｸｶﾞﾝ(&G)"),
                          QStringLiteral("A3 ﾍﾙﾌﾟ(&H)"),
                          QStringLiteral("  B17 ﾍﾙﾌﾟ(&H) F1"),
                          QStringLiteral("  C3 ---"),
                          QStringLiteral("  B18 ﾊﾞｰｼﾞｮﾝ情報(&A)"),
                      }));
}

void MainWindowLayoutTest::nothingBelowTheVisibleAreaIsShown() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    const QList<QWidget*> all = window.centralWidget()->findChildren<QWidget*>();
    const int visibleHeight = window.centralWidget()->height();
    for (QWidget* widget : all) {
        if (widget->mapTo(window.centralWidget(), QPoint(0, 0)).y() >= visibleHeight) {
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        }
    }
    // The picture stock: the shot mark's frames and masks, and the fall's.
    for (const char* stock : {"V_0", "V_3", "VV_0", "VV_3"}) {
        QCOMPARE(game.control<kelvad::PictureBox>(stock)->picture().size(), QSize(40, 40));
    }
    for (const char* stock : {"P_0", "P_2", "q_0", "q_2"}) {
        QCOMPARE(game.control<kelvad::PictureBox>(stock)->picture().size(), QSize(32, 39));
    }
}

void MainWindowLayoutTest::controlsAreFoundByTheirDesignNames() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    // Geometry in twips / 15.
    QCOMPARE(game.control("Picture1")->geometry(), QRect(8, 40, 257, 233));
    QCOMPARE(window.findChild<QFrame*>(QStringLiteral("Frame1"))->geometry(), QRect(272, 80, 153, 193));
    QCOMPARE(game.control("TA_7")->geometry(), QRect(120, 8, 12, 23));
    QCOMPARE(game.control("D3")->geometry(), QRect(184, 200, 60, 20));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label13"))->geometry(), QRect(16, 4, 33, 17));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label13"))->text(), QStringLiteral("150"));
    QCOMPARE(game.control<QPushButton>("Command1")->text(), QStringLiteral("始める"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label17"))->text(), QStringLiteral("…10点"));
}

void MainWindowLayoutTest::theDesignFontsResolveToTheIpaFonts() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    QCOMPARE(QFontInfo(game.control<QLabel>("ME1")->font()).family(), QStringLiteral("IPAMincho"));
    QVERIFY(game.control<QLabel>("ME1")->font().bold());
    QCOMPARE(QFontInfo(game.control<QPushButton>("Command1")->font()).family(), QStringLiteral("IPAGothic"));
    QCOMPARE(QFontInfo(window.findChild<QLabel*>(QStringLiteral("Label1"))->font()).family(),
             QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(game.control<QLabel>("TOKUTEN")->font()).family(), QStringLiteral("IPAGothic"));
}

void MainWindowLayoutTest::pictureOnlyControlsHaveAccessibleNames() {
    GameFixture game;
    for (const char* picture : {"I1", "I2", "I3", "HE1", "D1", "D2", "D3", "TA_0", "Image9", "Picture1"}) {
        QVERIFY2(!game.control(picture)->accessibleName().isEmpty(), picture);
    }
    // A label that shows a value keeps no accessible name, so that its live text is what is read.
    QVERIFY(game.control<QLabel>("TOKUTEN")->accessibleName().isEmpty());
    QVERIFY(game.control<QLabel>("GEKIHA")->accessibleName().isEmpty());
}

void MainWindowLayoutTest::closingTheWindowLeavesTheScoreFileUntouched() {
    GameFixture game;
    const QString file = game.platform.programDirectory() + QStringLiteral("/TOKUTEN");
    QFile before(file);
    QByteArray bytes;
    if (before.open(QIODevice::ReadOnly)) {
        bytes = before.readAll();
        before.close();
    }
    game.window().close();
    QFile after(file);
    if (after.open(QIODevice::ReadOnly)) {
        QCOMPARE(after.readAll(), bytes);
    } else {
        QVERIFY(bytes.isEmpty());
    }
}
