// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bonus plates: when the meter brings one up, what a click on it scores, and when they go.
#include "BonusPlateTest.h"

#include "HeadlessGame.h"
#include "settings/SpeedTable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace kelvad;
using namespace kelvad::testing;

namespace {

// The draws of the next bonus check: which plate (0..2), then its left and top in twips.
void scriptPlate(HeadlessGame& game, int plate, int left, int top) {
    game.platform.random.script({(plate + 0.5) / 3.0, leftAt(left), topAt(top)});
}

}  // namespace

void BonusPlateTest::aFullMeterWaitsForTheNextFiredShot() {
    HeadlessGame game;
    const BonusPlates& plates = game->plates();
    QVERIFY(game.start({.bulletsLeft = 1, .charge = 24}));
    const int score = game->score();
    // The black man's hit, with the last bullet, fills the meter after his shot's check: no plate yet.
    QVERIFY(game.hitMan(0));
    QCOMPARE(game->score(), score + 10);
    QCOMPARE(plates.charge(), 25);
    // Nor with a refused press, on the field or on a man.
    game.miss();
    QVERIFY(game.waitForMan(2));
    game->pressMan(2, Qt::LeftButton);
    QCOMPARE(game->messageBar().text(), u"弾がありません！"_s);
    QCOMPARE(plates.charge(), 25);
    QVERIFY(!game.anyPlateShown());
    QVERIFY(!game.timer(GameTimer::Plates).enabled());
    // Reloaded, the next fired shot brings it up, though it misses.
    game->pressField(Qt::RightButton);
    game.advance(700);
    const int hits = game->hitCount();
    scriptPlate(game, 1, 1200, 600);
    game.miss();
    QCOMPARE(game->hitCount(), hits);
    QCOMPARE(plates.charge(), 0);
    QVERIFY(plates.plate(1).shown);
    QVERIFY(game.timer(GameTimer::Plates).enabled());
}

void BonusPlateTest::aShotAtAFullMeterBringsUpOnePlate_data() {
    QTest::addColumn<int>("charge");
    // -1 for none.
    QTest::addColumn<int>("plate");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("24: no plate") << 24 << -1 << 0 << 0;
    QTest::newRow("25, five hits on the yellow man: the 50 plate") << 25 << 0 << 0 << 0;
    QTest::newRow("29: the 100 plate, the meter restarts at 0") << 29 << 1 << 1500 << 2879;
    QTest::newRow("27: the 150 plate") << 27 << 2 << 3000 << 1200;
}

void BonusPlateTest::aShotAtAFullMeterBringsUpOnePlate() {
    QFETCH(int, charge);
    QFETCH(int, plate);
    QFETCH(int, left);
    QFETCH(int, top);
    HeadlessGame game;
    const BonusPlates& plates = game->plates();
    QVERIFY(game.start({.gun = 3, .charge = charge}));
    const int reseeds = game.platform.random.reseeds;
    const int shots = game->shotCount();
    const int ammo = game->guns().ammoLeft();
    QVERIFY(!game.anyPlateShown());
    if (plate >= 0) {
        scriptPlate(game, plate, left, top);
    }
    game.miss();
    QCOMPARE(game->shotCount(), shots + 1);
    QCOMPARE(game->guns().ammoLeft(), ammo - 1);
    QCOMPARE(plates.charge(), plate >= 0 ? 0 : charge);
    QCOMPARE(game.timer(GameTimer::Plates).enabled(), plate >= 0);
    QCOMPARE(game.platform.random.reseeds, reseeds + (plate >= 0 ? 1 : 0));
    for (int each = 0; each < kPlates; ++each) {
        QCOMPARE(plates.plate(each).shown, each == plate);
        QCOMPARE(plates.plate(each).enabled, each == plate);
    }
    if (plate >= 0) {
        QCOMPARE(plates.plate(plate).place.toPointF(), QPointF(left, top));
    }
}

void BonusPlateTest::clickingAPlateScoresItsPoints_data() {
    QTest::addColumn<int>("plate");
    QTest::addColumn<bool>("emptyGun");
    QTest::addColumn<int>("points");
    QTest::newRow("50 plate") << 0 << false << 50;
    QTest::newRow("100 plate") << 1 << false << 100;
    QTest::newRow("150 plate") << 2 << false << 150;
    QTest::newRow("150 plate with an empty gun") << 2 << true << 150;
}

void BonusPlateTest::clickingAPlateScoresItsPoints() {
    QFETCH(int, plate);
    QFETCH(bool, emptyGun);
    QFETCH(int, points);
    HeadlessGame game;
    // The shot that brings up the plate spends the last bullet of an empty gun.
    QVERIFY(game.start({.bulletsLeft = emptyGun ? 1 : -1, .charge = 25}));
    scriptPlate(game, plate, 1500, 1500);
    game.miss();
    const FieldPiece& shown = game->plates().plate(plate);
    QVERIFY(shown.shown);
    const int score = game->score();
    const int ammo = game->guns().ammoLeft();
    const int shots = game->shotCount();
    game.platform.soundDevice.calls.clear();
    game->clickPlate(plate);
    QCOMPARE(game->score(), score + points);
    QVERIFY(!shown.shown && !shown.enabled);
    QCOMPARE(game.platform.soundDevice.calls,
             QStringList({u"playWave "_s + game.programFile(u"\\TO.Wav"_s)}));
    // Collecting is no shot and costs no bullet.
    QCOMPARE(game->guns().ammoLeft(), ammo);
    QCOMPARE(game->shotCount(), shots);
    QCOMPARE(game.platform.beeper.beeps, 0);
}

void BonusPlateTest::everyPlateGoesThreeSecondsAfterTheLastShowedUp() {
    HeadlessGame game;
    const BonusPlates& plates = game->plates();
    // Fast men fill the meter again within a plate's three seconds.
    game->setSpeedSliderPosition(kFastestSpeed);
    QVERIFY(game.start({.gun = 3, .charge = 25}));
    // The shot mark lets time pass, so times count from the press.
    std::int64_t shownAt = game.platform.scheduler.now();
    scriptPlate(game, 0, 2000, 300);
    game.miss();
    game.advance(shownAt + 2999 - game.platform.scheduler.now());
    QVERIFY(plates.plate(0).shown);
    game.advance(1);
    QVERIFY(!plates.plate(0).shown && !plates.plate(0).enabled);
    QVERIFY(!game.timer(GameTimer::Plates).enabled());

    // The hit on the yellow man that brings up the first plate starts filling the meter for the second.
    QVERIFY(game.charge(25));
    QVERIFY(game.waitForMan(2));
    scriptPlate(game, 0, 2000, 300);
    game->pressMan(2, Qt::LeftButton);
    while (plates.charge() < BonusPlates::kThreshold) {
        QVERIFY(game.hitAnyMan());
    }
    shownAt = game.platform.scheduler.now();
    scriptPlate(game, 1, 2000, 1200);
    game.miss();
    QVERIFY(plates.plate(0).shown && plates.plate(1).shown);
    // One timer for every plate: its tick takes them all together, three seconds after the second at the
    // latest.
    while (game.platform.scheduler.now() < shownAt + 3000) {
        QCOMPARE(plates.plate(0).shown, plates.plate(1).shown);
        game.advance(50);
    }
    QVERIFY(!game.anyPlateShown());
    QVERIFY(!plates.plate(0).enabled && !plates.plate(1).enabled && !plates.plate(2).enabled);
    QVERIFY(!game.timer(GameTimer::Plates).enabled());
}
