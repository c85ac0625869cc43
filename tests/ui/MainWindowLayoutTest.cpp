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
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             window.men[0], window.men[1], window.men[2], window.civilian, window.plates[0], window.plates[1],
             window.plates[2], window.ammoDisplays[1], window.ammoDisplays[2]}) {
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    }
    for (QWidget* disabled :
         std::initializer_list<QWidget*>{window.men[0], window.men[1], window.men[2], window.plates[0],
                                         window.plates[1], window.plates[2]}) {
        QVERIFY2(!disabled->isEnabled(), qPrintable(disabled->objectName()));
    }
    QVERIFY(window.ammoDisplays[0]->isVisible());
    QVERIFY(window.gunActions[0]->isChecked());
    QVERIFY(!window.gunActions[1]->isChecked());
    QVERIFY(!window.gunActions[2]->isChecked());
    QVERIFY(window.messageBar->text().isEmpty());
    // The panels lie over the play field and the status panel.
    QCOMPARE(window.centralWidget()->childAt(window.playField->geometry().center()), window.titlePanel);
    QVERIFY(window.legendPanel->isAncestorOf(window.centralWidget()->childAt(QPoint(300, 150))) ||
            window.centralWidget()->childAt(QPoint(300, 150)) == window.legendPanel);
    for (auto* timer :
         {window.gameClock.get(), window.reloadTimer.get(), window.messageTimer.get(),
          window.manJumpTimers[0].get(), window.manJumpTimers[1].get(), window.manJumpTimers[2].get(),
          window.civilianArrivalTimer.get(), window.civilianDepartureTimer.get(), window.plateTimer.get()}) {
        QVERIFY(!timer->enabled() || timer->interval() == 0);
    }
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
    for (auto* stock : window.shotMarkFrames) {
        QVERIFY(!stock->isVisible());
        QCOMPARE(stock->picture().size(), QSize(40, 40));
    }
    for (auto* stock : window.fallFrames) {
        QVERIFY(!stock->isVisible());
        QCOMPARE(stock->picture().size(), QSize(32, 39));
    }
}

void MainWindowLayoutTest::controlsAreFoundByTheirDesignNames() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("TOKUTEN")), window.scoreLabel);
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("GEKIHA")), window.hitRateLabel);
    QCOMPARE(window.findChild<kelvad::PictureBox*>(QStringLiteral("Picture1")), window.playField);
    QCOMPARE(window.findChild<kelvad::ImageBox*>(QStringLiteral("TA_7")), window.bullets[7]);
    // Geometry in twips / 15.
    QCOMPARE(window.playField->geometry(), QRect(8, 40, 257, 233));
    QCOMPARE(window.findChild<QFrame*>(QStringLiteral("Frame1"))->geometry(), QRect(272, 80, 153, 193));
    QCOMPARE(window.bullets[7]->geometry(), QRect(120, 8, 12, 23));
    QCOMPARE(window.plates[2]->geometry(), QRect(184, 200, 60, 20));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label13"))->geometry(), QRect(16, 4, 33, 17));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label13"))->text(), QStringLiteral("150"));
    QCOMPARE(window.startButton->text(), QStringLiteral("始める"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label17"))->text(), QStringLiteral("…10点"));
}

void MainWindowLayoutTest::theDesignFontsResolveToTheIpaFonts() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    QCOMPARE(QFontInfo(window.messageBar->font()).family(), QStringLiteral("IPAMincho"));
    QVERIFY(window.messageBar->font().bold());
    QCOMPARE(QFontInfo(window.startButton->font()).family(), QStringLiteral("IPAGothic"));
    QCOMPARE(QFontInfo(window.findChild<QLabel*>(QStringLiteral("Label1"))->font()).family(),
             QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(window.scoreLabel->font()).family(), QStringLiteral("IPAGothic"));
}

void MainWindowLayoutTest::pictureOnlyControlsHaveAccessibleNames() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    for (QWidget* picture : std::initializer_list<QWidget*>{
             window.men[0], window.men[1], window.men[2], window.civilian, window.plates[0], window.plates[1],
             window.plates[2], window.bullets[0],
             window.findChild<kelvad::ImageBox*>(QStringLiteral("Image9")), window.playField}) {
        QVERIFY2(!picture->accessibleName().isEmpty(), qPrintable(picture->objectName()));
    }
    // A label that shows a value keeps no accessible name, so that its live text is what is read.
    QVERIFY(window.scoreLabel->accessibleName().isEmpty());
    QVERIFY(window.hitRateLabel->accessibleName().isEmpty());
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
