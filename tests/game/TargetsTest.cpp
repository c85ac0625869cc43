// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three men: their rhythms, places, points and falls.
#include "TargetsTest.h"

#include "GameTestSupport.h"
#include "game/Lifecycle.h"
#include "settings/SpeedTable.h"
#include "state/GameState.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/SpeedWindow.h"

#include <QLabel>
#include <QTest>

using kelvad::testing::GameFixture;

void TargetsTest::theMenFirstShowUpInTheirOrder_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("black");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("yellow");
    QTest::newRow("slowest") << 0 << 3000 << 2000 << 1000;
    QTest::newRow("normal") << 5 << 2500 << 1500 << 750;
    QTest::newRow("fastest") << 10 << 2000 << 1000 << 500;
}

void TargetsTest::theMenFirstShowUpInTheirOrder() {
    QFETCH(int, speed);
    QFETCH(int, black);
    QFETCH(int, blue);
    QFETCH(int, yellow);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    window.speedWindow().speedSlider->setValue(speed);
    // Yellow, then blue, then black, each at the place its two draws give.
    game.platform.random.script({leftAt(3239), topAt(0), leftAt(0), topAt(2879)});
    game.clickStart();
    game.advance(yellow - 1);
    QVERIFY(!window.men[2]->isVisible());
    game.advance(1);
    QVERIFY(window.men[2]->isVisible() && window.men[2]->isEnabled());
    QCOMPARE(window.men[2]->pos(), QPoint(216, 0));
    QCOMPARE(state.menPlaces[2].left, 3239.0f);
    game.advance(blue - yellow);
    QVERIFY(window.men[1]->isVisible() && !window.men[0]->isVisible());
    QCOMPARE(window.men[1]->pos(), QPoint(0, 192));
    game.advance(black - blue);
    QVERIFY(window.men[0]->isVisible());
    // Every jump reseeds from the clock, then draws left and top; a man always lies wholly inside the field.
    QCOMPARE(game.platform.random.drawn, 2 * game.platform.random.reseeds);
    QVERIFY(window.playField->rect().contains(window.men[2]->geometry()));
    QVERIFY(window.playField->rect().contains(window.men[1]->geometry()));
}

void TargetsTest::aHitScoresTheManPlusTheStageBonus_data() {
    QTest::addColumn<int>("man");
    QTest::addColumn<int>("stageBonus");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("charge");
    QTest::newRow("black, first stage") << 1 << 0 << 10 << 1;
    QTest::newRow("blue, first stage") << 2 << 0 << 20 << 3;
    QTest::newRow("yellow, first stage") << 3 << 0 << 30 << 5;
    QTest::newRow("black, second stage") << 1 << 20 << 30 << 1;
    QTest::newRow("blue, third stage") << 2 << 40 << 60 << 3;
    QTest::newRow("yellow, third stage") << 3 << 40 << 70 << 5;
}

void TargetsTest::aHitScoresTheManPlusTheStageBonus() {
    QFETCH(int, man);
    QFETCH(int, stageBonus);
    QFETCH(int, points);
    QFETCH(int, charge);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3, .stageBonus = stageBonus});
    game.advance(2500);
    kelvad::ImageBox* image[] = {window.men[0], window.men[1], window.men[2]};
    game.press(image[man - 1], 1);
    QCOMPARE(state.score, points);
    QCOMPARE(window.scoreLabel->text(), QString::number(points));
    QCOMPARE(state.bonusCharge, charge);
    QCOMPARE(state.killCount, 1);
    QCOMPARE(window.killCountLabel->text(), QStringLiteral("1"));
    QCOMPARE(window.hitRateLabel->text(), QStringLiteral("100%"));
    QVERIFY(!image[man - 1]->isVisible());
    QVERIFY(!image[man - 1]->isEnabled());
}

void TargetsTest::theFallStaysOnTheFieldUntilTheBackgroundChanges() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    chooseGun(window, 3);
    game.platform.random.script({leftAt(1500), topAt(1500)});
    game.clickStart();
    game.advance(750);
    const QImage before = window.playField->lastingImage();
    game.press(window.men[2], 1);
    const QImage after = window.playField->lastingImage();
    // The fall is painted where the man stood (100, 100 in pixels), and nowhere else.
    const QRect where(100, 100, 32, 39);
    int changedInside = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) != before.pixel(x, y)) {
                QVERIFY2(where.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                ++changedInside;
            }
        }
    }
    QVERIFY(changedInside > 50);
    QVERIFY(!window.playField->autoRedraw());
    // He jumps on; his fall stays.
    game.advance(750);
    QVERIFY(window.men[2]->isVisible());
    QCOMPARE(window.playField->lastingImage(), after);
    // The second stage's background replaces it.
    for (int kill = 1; kill <= 20; ++kill) {
        kelvad::CountKill(window, state);
    }
    QCOMPARE(window.playField->lastingImage().pixel(116, 130),
             QImage(window.programFile(QStringLiteral("\\HAITEI2.BMP"))).pixel(116, 130));
}

void TargetsTest::theLastBulletScoresAndTheNextPressIsRefused() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.bulletsLeft = 1});
    game.advance(750);
    game.press(window.men[2], 1);
    QCOMPARE(state.ammoLeft, 0);
    QCOMPARE(state.score, 30);
    game.advance(750);
    const int charge = state.bonusCharge;
    game.press(window.men[2], 1);
    QCOMPARE(state.score, 30);
    QCOMPARE(state.shotCount, 8);
    QCOMPARE(state.bonusCharge, charge);
    QVERIFY(window.men[2]->isVisible());
    QCOMPARE(window.messageBar->text(), QStringLiteral("弾がありません！"));
}

void TargetsTest::aManNotHitJumpsAtEveryTick() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    for (int jump = 0; jump < 5; ++jump) {
        game.platform.random.script({leftAt(10), topAt(10)});
    }
    game.clickStart();
    game.advance(2500);
    // The first five jumps of the game, the black man's first among them, land at 10, 10.
    QCOMPARE(state.menPlaces[0].left, 10.0f);
    game.move(window.men[0], QPoint(2, 2));
    game.advance(2500);
    QVERIFY(state.menPlaces[0].left != 10.0f);
    QVERIFY(window.men[0]->isVisible());
}

void TargetsTest::fiveHitsOnTheYellowManBringAPlateWithTheNextShot() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3});
    for (int hit = 0; hit < 5; ++hit) {
        game.advance(750);
        game.press(window.men[2], 1);
    }
    QCOMPARE(state.bonusCharge, 25);
    QVERIFY(!window.plates[0]->isVisible() && !window.plates[1]->isVisible() &&
            !window.plates[2]->isVisible());
    game.press(window.playField, 1, QPoint(1, 1));
    QCOMPARE(state.bonusCharge, 0);
    QVERIFY(window.plates[0]->isVisible() || window.plates[1]->isVisible() || window.plates[2]->isVisible());
}
