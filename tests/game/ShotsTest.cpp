// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shots: what fires, what it costs, the hit rate and the mark around the pointer.
#include "ShotsTest.h"

#include "GameTestSupport.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

using kelvad::testing::GameFixture;

void ShotsTest::theHitRateRoundsHalvesToEven_data() {
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("shots");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1 of 8 is 12.5") << 1 << 8 << "12%";
    QTest::newRow("3 of 8 is 37.5") << 3 << 8 << "38%";
    QTest::newRow("1 of 3") << 1 << 3 << "33%";
    QTest::newRow("2 of 3") << 2 << 3 << "67%";
    QTest::newRow("a miss, then a hit") << 1 << 2 << "50%";
}

void ShotsTest::theHitRateRoundsHalvesToEven() {
    QFETCH(int, hits);
    QFETCH(int, shots);
    QFETCH(QString, shown);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3});
    for (int shot = 0; shot < shots - hits; ++shot) {
        game.press(window.playField, 1, QPoint(2, 2));
    }
    if (shots > hits) {
        QCOMPARE(window.hitRateLabel->text(), QStringLiteral("0%"));
    }
    for (int hit = 0; hit < hits; ++hit) {
        // The yellow man jumps every 750 ms; a hit takes him off until then.
        game.advance(750);
        QVERIFY(window.men[2]->isVisible());
        game.press(window.men[2], 1);
    }
    QCOMPARE(state.shotCount, shots);
    QCOMPARE(state.hitCount, hits);
    QCOMPARE(window.hitRateLabel->text(), shown);
}

void ShotsTest::eightShotsEmptyTheFirstGunRightToLeftAndTheNinthIsRefused() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    QCOMPARE(state.ammoLeft, 8);
    for (int shot = 1; shot <= 8; ++shot) {
        game.press(window.playField, 1, QPoint(3, 3));
        for (int index = 0; index < 8; ++index) {
            QCOMPARE(window.bullets[index]->isVisible(), index < 8 - shot);
        }
    }
    const QString gun = QStringLiteral("playWave ") + window.programFile(QStringLiteral("\\Gun1.Wav"));
    QCOMPARE(game.platform.soundDevice.calls.count(gun), 8);
    QCOMPARE(window.hitRateLabel->text(), QStringLiteral("0%"));
    window.hitRateLabel->setText(QStringLiteral("marker"));
    game.press(window.playField, 1, QPoint(3, 3));
    QCOMPARE(game.platform.beeper.beeps, 1);
    QCOMPARE(window.messageBar->text(), QStringLiteral("弾がありません！"));
    QCOMPARE(window.hitRateLabel->text(), QStringLiteral("marker"));
    QCOMPARE(state.shotCount, 8);
    QCOMPARE(game.platform.soundDevice.calls.count(gun), 8);
    game.advance(1499);
    QCOMPARE(window.messageBar->text(), QStringLiteral("弾がありません！"));
    game.advance(1);
    QVERIFY(window.messageBar->text().isEmpty());
    QVERIFY(!window.messageTimer->enabled());
}

void ShotsTest::rightAndMiddlePresses() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 2});
    game.advance(750);
    game.press(window.men[2], 2);
    game.press(window.playField, 2, QPoint(5, 5));
    QCOMPARE(state.shotCount, 0);
    QCOMPARE(state.ammoLeft, 15);
    QVERIFY(window.men[2]->isVisible());
    QCOMPARE(state.score, 0);
    // The middle button fires: on the field a miss.
    game.press(window.playField, 4, QPoint(5, 5));
    QCOMPARE(state.shotCount, 1);
    QCOMPARE(state.ammoLeft, 14);
    QCOMPARE(state.hitCount, 0);
    // A left or middle press with the right button held still fires, on the field and on a man.
    game.hold(window.playField, 2, QPoint(5, 5));
    game.press(window.playField, 1, QPoint(5, 5));
    game.press(window.playField, 4, QPoint(5, 5));
    game.letGo(window.playField, 2, QPoint(5, 5));
    QCOMPARE(state.shotCount, 3);
    game.hold(window.men[2], 2);
    game.press(window.men[2], 1);
    game.letGo(window.men[2], 2);
    QCOMPARE(state.shotCount, 4);
    QCOMPARE(state.hitCount, 1);
    QCOMPARE(state.score, 30);
}

void ShotsTest::thePressedManTakesNoPressWhileTheMarkIsDrawn() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3});
    game.advance(1500);
    QVERIFY(window.men[1]->isVisible());
    game.press(window.men[1], 2);  // records the blue man as pressed, without firing
    bool pressedDuringMark = false;
    bool enabledDuringMark = true;
    game.platform.sleeper.duringWait = [&] {
        if (!pressedDuringMark) {
            pressedDuringMark = true;
            enabledDuringMark = window.men[1]->isEnabled();
            // A press on the blue man while the mark is on screen falls through to the field.
            game.press(window.men[1], 1);
        }
    };
    game.press(window.playField, 1, QPoint(1, 1));
    game.platform.sleeper.duringWait = nullptr;
    QVERIFY(pressedDuringMark);
    QVERIFY(!enabledDuringMark);
    QCOMPARE(state.hitCount, 0);
    QCOMPARE(state.score, 0);
    QCOMPARE(state.shotCount, 2);
    QVERIFY(window.men[1]->isEnabled());
    QVERIFY(window.men[1]->isVisible());
}

void ShotsTest::theMarkIsDrawnAroundThePointerAndWipedFrameByFrame() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    chooseGun(window, 3);
    // The yellow man lands at left 1000, top 2000.
    game.platform.random.script({leftAt(1000), topAt(2000)});
    game.clickStart();
    game.advance(750);
    QCOMPARE(state.menPlaces[2].left, 1000.0f);
    QCOMPARE(state.menPlaces[2].top, 2000.0f);
    // Moved onto him 105 twips right of and 195 below his corner (7 and 13 pixels), and pressed there: the
    // frames' corner lies 280 twips up and left of the pointer, at 825, 1915.
    game.move(window.men[2], QPoint(7, 13));
    QCOMPARE(state.pointer.left, 1105.0f);
    QCOMPARE(state.pointer.top, 2195.0f);
    std::vector<QRect> marks;
    game.platform.sleeper.duringWait = [&] {
        const QImage screen = window.playField->screenImage();
        const QImage lasting = window.playField->lastingImage();
        QRect changed;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                if (screen.pixel(x, y) != lasting.pixel(x, y)) {
                    changed |= QRect(x, y, 1, 1);
                }
            }
        }
        marks.push_back(changed);
    };
    game.press(window.men[2], 1, QPoint(7, 13));
    game.platform.sleeper.duringWait = nullptr;
    QCOMPARE(state.hitCount, 1);
    // Four frames of the mark, then the three of the fall, which are painted into the lasting background.
    QCOMPARE(game.platform.sleeper.waits, std::vector<int>({15, 15, 15, 15, 20, 20, 20}));
    const QRect frame(55, 128, 40, 40);
    for (const QRect& mark : std::vector<QRect>(marks.begin(), marks.begin() + 4)) {
        QVERIFY(!mark.isEmpty());
        QVERIFY2(frame.contains(mark), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                      .arg(mark.x())
                                                      .arg(mark.y())
                                                      .arg(mark.width())
                                                      .arg(mark.height())));
    }
    // Wiped after the last frame.
    QCOMPARE(window.playField->screenImage(), window.playField->lastingImage());
}

void ShotsTest::theSecondGunsGaugeFollowsItsBullets() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    chooseGun(window, 2);
    QVERIFY(window.ammoDisplays[1]->isVisible());
    QVERIFY(!window.ammoDisplays[0]->isVisible());
    game.clickStart();
    QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("15"));
    game.press(window.playField, 1, QPoint(4, 4));
    QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("14"));
    QCOMPARE(window.ammoGauge2->Value(), 14);
    // 14 of the 73 pixels' 15 parts are orange, the rest white.
    const QImage bar = window.subMachineGunBar->lastingImage();
    const QRgb orange = qRgb(255, 128, 0);
    int orangeColumns = 0;
    for (int x = 0; x < bar.width(); ++x) {
        orangeColumns += bar.pixel(x, bar.height() / 2) == orange ? 1 : 0;
    }
    QVERIFY2(std::abs(orangeColumns - 73 * 14 / 15) <= 1, qPrintable(QString::number(orangeColumns)));
    QCOMPARE(bar.pixel(bar.width() - 1, bar.height() / 2), qRgb(255, 255, 255));
}

void ShotsTest::theThirdGunStartsFull() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3});
    QCOMPARE(window.jackGunCount->text(), QStringLiteral("100"));
    QCOMPARE(window.ammoGauge3->Value(), 100);
    const QImage bar = window.jackGunBar->lastingImage();
    QCOMPARE(bar.pixel(bar.width() - 2, bar.height() / 2), qRgb(255, 255, 0));
    QCOMPARE(state.gunSoundFile, QStringLiteral("\\Gun3.Wav"));
}

void ShotsTest::changingTheGunBetweenGamesOnlySwapsTheDisplay() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 2});
    game.press(window.playField, 1, QPoint(4, 4));
    game.platform.messageBoxes.answer(kelvad::platform::MessageAnswer::Yes);
    window.returnToStartAction->trigger();
    chooseGun(window, 1);
    QVERIFY(window.gunActions[0]->isChecked() && !window.gunActions[1]->isChecked() &&
            !window.gunActions[2]->isChecked());
    QVERIFY(window.ammoDisplays[0]->isVisible() && !window.ammoDisplays[1]->isVisible());
    QCOMPARE(state.ammoLeft, 14);
    chooseGun(window, 2);
    QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("14"));
    QCOMPARE(state.gunSoundFile, QStringLiteral("\\Gun2.Wav"));
}
