// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shots: what fires, what it costs, the hit rate and the mark around the pointer.
#include "ShotsTest.h"

#include "HeadlessGame.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace kelvad;
using namespace kelvad::testing;

void ShotsTest::theHitRateRoundsHalvesToEven_data() {
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("shots");
    QTest::addColumn<int>("percent");
    QTest::newRow("1 of 8 is 12.5") << 1 << 8 << 12;
    QTest::newRow("3 of 8 is 37.5") << 3 << 8 << 38;
    QTest::newRow("1 of 3") << 1 << 3 << 33;
    QTest::newRow("2 of 3") << 2 << 3 << 67;
    QTest::newRow("a miss, then a hit") << 1 << 2 << 50;
}

void ShotsTest::theHitRateRoundsHalvesToEven() {
    QFETCH(int, hits);
    QFETCH(int, shots);
    QFETCH(int, percent);
    HeadlessGame game;
    QVERIFY(game.start({.gun = 3}));
    game.miss(shots - hits);
    QCOMPARE(game->hitRate(), 0);
    for (int hit = 0; hit < hits; ++hit) {
        QVERIFY(game.hitMan(2));
    }
    QCOMPARE(game->shotCount(), shots);
    QCOMPARE(game->hitCount(), hits);
    QCOMPARE(game->hitRate(), percent);
}

void ShotsTest::eightShotsEmptyTheFirstGunRightToLeftAndTheNinthIsRefused() {
    HeadlessGame game;
    QVERIFY(game.start());
    QCOMPARE(game->guns().ammoLeft(), 8);
    QSignalSpy bullets(&game->guns(), &Guns::bulletShown);
    // The last bullet still scores.
    game.miss(7);
    QVERIFY(game.hitMan(2));
    QCOMPARE(game->score(), 30);
    for (int bullet = 7; bullet >= 0; --bullet) {
        QCOMPARE(bullets.takeFirst(), QVariantList({bullet, false}));
    }
    const QString gun = u"playWave "_s + game.programFile(u"\\Gun1.Wav"_s);
    QCOMPARE(game.platform.soundDevice.calls.count(gun), 8);
    // Then neither a press on a man nor one on the field fires.
    QVERIFY(game.waitForMan(2));
    const int charge = game->plates().charge();
    QSignalSpy hitRates(&*game, &Game::hitRateChanged);
    game->pressMan(2, Qt::LeftButton);
    game.miss();
    QCOMPARE(game.platform.beeper.beeps, 2);
    QCOMPARE(game->messageBar().text(), u"弾がありません！"_s);
    QCOMPARE(hitRates.count(), 0);
    QCOMPARE(game->shotCount(), 8);
    QCOMPARE(game.platform.soundDevice.calls.count(gun), 8);
    QCOMPARE(game->score(), 30);
    QCOMPARE(game->plates().charge(), charge);
    QVERIFY(game->men().man(2).shown);
    game.advance(1499);
    QCOMPARE(game->messageBar().text(), u"弾がありません！"_s);
    game.advance(1);
    QVERIFY(game->messageBar().text().isEmpty());
    QVERIFY(!game.timer(GameTimer::Message).enabled());
}

void ShotsTest::rightAndMiddlePresses() {
    HeadlessGame game;
    QVERIFY(game.start({.gun = 2}));
    QVERIFY(game.waitForMan(2));
    game->pressMan(2, Qt::RightButton);
    game->pressField(Qt::RightButton);
    QCOMPARE(game->shotCount(), 0);
    QCOMPARE(game->guns().ammoLeft(), 15);
    QVERIFY(game->men().man(2).shown);
    QCOMPARE(game->score(), 0);
    // The middle button fires: on the field a miss, on a man a hit.
    game->pressField(Qt::MiddleButton);
    QCOMPARE(game->shotCount(), 1);
    QCOMPARE(game->guns().ammoLeft(), 14);
    QCOMPARE(game->hitCount(), 0);
    game->pressMan(2, Qt::MiddleButton);
    QCOMPARE(game->shotCount(), 2);
    QCOMPARE(game->hitCount(), 1);
    QCOMPARE(game->score(), 30);
}

void ShotsTest::thePressedManTakesNoPressWhileTheMarkIsDrawn() {
    HeadlessGame game;
    QVERIFY(game.start({.gun = 3}));
    QVERIFY(game.waitForMan(1));
    game->pressMan(1, Qt::RightButton);  // records the blue man as pressed, without firing
    bool pressedDuringMark = false;
    bool enabledDuringMark = true;
    game.platform.sleeper.duringWait = [&] {
        if (!pressedDuringMark) {
            pressedDuringMark = true;
            enabledDuringMark = game->men().man(1).enabled;
            // A press on the blue man while the mark is on screen lands on the field.
            game->pressMan(1, Qt::LeftButton);
        }
    };
    game.miss();
    game.platform.sleeper.duringWait = nullptr;
    QVERIFY(pressedDuringMark);
    QVERIFY(!enabledDuringMark);
    QCOMPARE(game->hitCount(), 0);
    QCOMPARE(game->score(), 0);
    QCOMPARE(game->shotCount(), 2);
    QVERIFY(game->men().man(1).enabled && game->men().man(1).shown);
}

void ShotsTest::theMarkIsDrawnAroundThePointerAndWipedFrameByFrame() {
    HeadlessGame game;
    game->chooseGun(3);
    // The yellow man lands at left 1000, top 2000.
    game.platform.random.script({leftAt(1000), topAt(2000)});
    game->clickStart();
    game.advance(750);
    QCOMPARE(game->men().man(2).place.toPointF(), QPointF(1000, 2000));
    // Moved onto him 105 twips right of and 195 below his corner: the frames' corner lies 280 twips up and
    // left of the pointer.
    game->moveOverMan(2, QPointF(105, 195));
    QCOMPARE(game->pointer().toPointF(), QPointF(1105, 2195));
    QStringList drawn;
    const auto at = [](QPointF place) { return u" at %1,%2"_s.arg(place.x()).arg(place.y()); };
    QObject::connect(&*game, &Game::shotMarkDrawn,
                     [&](int frame, QPointF place) { drawn << u"mark %1"_s.arg(frame) + at(place); });
    QObject::connect(&*game, &Game::fallDrawn,
                     [&](int frame, QPointF place) { drawn << u"fall %1"_s.arg(frame) + at(place); });
    QObject::connect(&*game, &Game::fieldRefreshed, [&] { drawn << u"refresh"_s; });
    game.platform.sleeper.afterCall = [&] { drawn << u"wait %1"_s.arg(game.platform.sleeper.waits.back()); };
    game->pressMan(2, Qt::LeftButton);
    QCOMPARE(game->hitCount(), 1);
    // Four frames of the mark, each wiped, then the three of his fall where he stood: drawn into the field's
    // lasting background, it stays until a new stage's background replaces it.
    QStringList expected;
    for (int frame = 0; frame < 4; ++frame) {
        expected << u"mark %1 at 825,1915"_s.arg(frame) << u"wait 15"_s << u"refresh"_s;
    }
    for (int frame = 0; frame < 3; ++frame) {
        expected << u"fall %1 at 1000,2000"_s.arg(frame) << u"wait 20"_s << u"refresh"_s;
    }
    QCOMPARE(drawn, expected);
}

void ShotsTest::aGunWithAGaugeShowsItsCountAndBarUntilItsNextGame_data() {
    QTest::addColumn<int>("gun");
    QTest::addColumn<int>("magazine");
    QTest::addColumn<uint>("barColor");
    QTest::addColumn<QString>("sound");
    QTest::newRow("the second gun: 15, orange") << 2 << 15 << 0xFF8000u << "\\Gun2.Wav";
    QTest::newRow("the third gun starts full: 100, yellow") << 3 << 100 << 0xFFFF00u << "\\Gun3.Wav";
}

void ShotsTest::aGunWithAGaugeShowsItsCountAndBarUntilItsNextGame() {
    QFETCH(int, gun);
    QFETCH(int, magazine);
    QFETCH(uint, barColor);
    QFETCH(QString, sound);
    HeadlessGame game;
    QSignalSpy displays(&game->guns(), &Guns::displayShown);
    game->chooseGun(gun);
    QCOMPARE(displays.last().at(0).toInt(), gun);
    game->clickStart();
    QCOMPARE(game.ammoCount(gun), magazine);
    QVERIFY(game->guns().gauge(gun) == (GaugeLevel{magazine, magazine, barColor}));
    game.miss();
    QCOMPARE(game.ammoCount(gun), magazine - 1);
    QVERIFY(game->guns().gauge(gun) == (GaugeLevel{magazine - 1, magazine, barColor}));
    QCOMPARE(game.platform.soundDevice.calls.last(), u"playWave "_s + game.programFile(sound));
    // Changing the gun between games only swaps the display: each shows what it showed at the end of its
    // last game.
    game.returnToStart();
    QSignalSpy counts(&game->guns(), &Guns::countChanged);
    QSignalSpy gauges(&game->guns(), &Guns::gaugeChanged);
    QSignalSpy bullets(&game->guns(), &Guns::bulletShown);
    game->chooseGun(1);
    QCOMPARE(game->guns().chosen(), 1);
    QCOMPARE(displays.last().at(0).toInt(), 1);
    QCOMPARE(game->guns().ammoLeft(), magazine - 1);
    game->chooseGun(gun);
    QCOMPARE(game.ammoCount(gun), magazine - 1);
    QCOMPARE(game->guns().gauge(gun).value, magazine - 1);
    QCOMPARE(counts.count() + gauges.count() + bullets.count(), 0);
}
