// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three men: their rhythms, places and points.
#include "TargetsTest.h"

#include "HeadlessGame.h"

#include <QTest>

using namespace kelvad;
using namespace kelvad::testing;

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
    HeadlessGame game;
    game->setSpeedSliderPosition(speed);
    // Yellow, then blue, then black, each at the place its two draws give.
    game.platform.random.script({leftAt(3239), topAt(0), leftAt(0), topAt(2879)});
    game->clickStart();
    const Men& men = game->men();
    game.advance(yellow - 1);
    QVERIFY(!men.man(2).shown);
    game.advance(1);
    QVERIFY(men.man(2).shown && men.man(2).enabled);
    QCOMPARE(men.man(2).place.toPointF(), QPointF(3239, 0));
    game.advance(blue - yellow);
    QVERIFY(men.man(1).shown && !men.man(0).shown);
    QCOMPARE(men.man(1).place.toPointF(), QPointF(0, 2879));
    game.advance(black - blue);
    QVERIFY(men.man(0).shown);
    // Every jump reseeds from the clock, then draws left and top.
    QCOMPARE(game.platform.random.drawn, 2 * game.platform.random.reseeds);
}

void TargetsTest::aHitScoresTheManPlusTheStageBonus_data() {
    QTest::addColumn<int>("man");
    QTest::addColumn<int>("kills");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("charge");
    QTest::newRow("black, first stage") << 0 << 0 << 10 << 1;
    QTest::newRow("blue, first stage") << 1 << 0 << 20 << 3;
    QTest::newRow("yellow, first stage") << 2 << 0 << 30 << 5;
    QTest::newRow("black, second stage") << 0 << 21 << 30 << 1;
    QTest::newRow("blue, third stage") << 1 << 41 << 60 << 3;
    QTest::newRow("yellow, third stage") << 2 << 41 << 70 << 5;
}

void TargetsTest::aHitScoresTheManPlusTheStageBonus() {
    QFETCH(int, man);
    QFETCH(int, kills);
    QFETCH(int, points);
    QFETCH(int, charge);
    HeadlessGame game;
    QVERIFY(game.start({.gun = 3, .kills = kills}));
    // A full meter empties at the next shot: a miss first, so that the meter shows this hit's charge.
    if (game->plates().charge() >= BonusPlates::kThreshold) {
        game.miss();
    }
    const int score = game->score();
    const int meter = game->plates().charge();
    QVERIFY(game.hitMan(man));
    QCOMPARE(game->score(), score + points);
    QCOMPARE(game->plates().charge(), meter + charge);
    QCOMPARE(game->killCount(), kills + 1);
    QCOMPARE(game->killCounter(), kills + 1);
    QVERIFY(!game->men().man(man).shown && !game->men().man(man).enabled);
    if (kills == 0) {
        QCOMPARE(game->hitRate(), 100);
    }
}

void TargetsTest::aManNotHitJumpsAtEveryTick() {
    HeadlessGame game;
    for (int jump = 0; jump < 5; ++jump) {
        game.platform.random.script({leftAt(10), topAt(10)});
    }
    game->clickStart();
    game.advance(2500);
    // The first five jumps of the game, the black man's first among them, land at 10, 10.
    QCOMPARE(game->men().man(0).place.toPointF(), QPointF(10, 10));
    game->moveOverMan(0, QPointF(30, 30));
    game.advance(2500);
    QVERIFY(game->men().man(0).place.left != 10.0f);
    QVERIFY(game->men().man(0).shown);
}
