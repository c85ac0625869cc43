// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reloading with the right button: the wait, the refill and the messages.
#include "ReloadTest.h"

#include "HeadlessGame.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace kelvad;
using namespace kelvad::testing;

namespace {

const QString kReloading = u"補給中…"_s;
const QString kReloaded = u"補給中完了!!"_s;
constexpr std::uint32_t kOrange = 0xFF8000;

}  // namespace

void ReloadTest::theRightButtonReloadsTheGun_data() {
    QTest::addColumn<int>("gun");
    QTest::addColumn<int>("bulletsLeft");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("full");
    // On a man the press neither hits nor moves him.
    QTest::addColumn<bool>("onMan");
    QTest::newRow("first gun, empty") << 1 << 0 << 700 << 8 << false;
    QTest::newRow("first gun, 5 left") << 1 << 5 << 700 << 8 << false;
    QTest::newRow("second gun, 3 left") << 2 << 3 << 1500 << 15 << false;
    QTest::newRow("second gun, full") << 2 << 15 << 1500 << 15 << false;
    QTest::newRow("first gun, empty, on a man") << 1 << 0 << 700 << 8 << true;
    QTest::newRow("second gun, 4 left, on a man") << 2 << 4 << 1500 << 15 << true;
}

void ReloadTest::theRightButtonReloadsTheGun() {
    QFETCH(int, gun);
    QFETCH(int, bulletsLeft);
    QFETCH(int, delay);
    QFETCH(int, full);
    QFETCH(bool, onMan);
    HeadlessGame game;
    QVERIFY(game.start({.gun = gun, .bulletsLeft = bulletsLeft}));
    if (onMan) {
        QVERIFY(game.waitForMan(2));
    }
    const int shots = game->shotCount();
    const int score = game->score();
    const QPointF place = game->men().man(2).place.toPointF();
    onMan ? game->pressMan(2, Qt::RightButton) : game->pressField(Qt::RightButton);
    QCOMPARE(game->messageBar().text(), kReloading);
    QCOMPARE(game.timer(GameTimer::Reload).interval(), delay);
    QCOMPARE(game->shotCount(), shots);
    QCOMPARE(game->guns().ammoLeft(), bulletsLeft);
    QCOMPARE(game->score(), score);
    QCOMPARE(game->hitCount(), 0);
    if (onMan) {
        QVERIFY(game->men().man(2).shown);
        QCOMPARE(game->men().man(2).place.toPointF(), place);
    }
    game.advance(delay - 1);
    QCOMPARE(game->guns().ammoLeft(), bulletsLeft);
    QCOMPARE(game->messageBar().text(), kReloading);
    game.advance(1);
    QCOMPARE(game->guns().ammoLeft(), full);
    QCOMPARE(game->messageBar().text(), kReloaded);
    QCOMPARE(game.timer(GameTimer::Reload).interval(), 0);
    if (gun == 1) {
        QCOMPARE(game.shownBullets(), 8);
    } else {
        QCOMPARE(game.ammoCount(2), 15);
        QVERIFY(game->guns().gauge(2) == (GaugeLevel{15, 15, kOrange}));
    }
    game.advance(1499);
    QCOMPARE(game->messageBar().text(), kReloaded);
    game.advance(1);
    QVERIFY(game->messageBar().text().isEmpty());
    QVERIFY(!game.timer(GameTimer::Message).enabled());
}

void ReloadTest::theThirdGunCannotBeReloaded() {
    HeadlessGame game;
    QVERIFY(game.start({.gun = 3, .bulletsLeft = 98}));
    const GaugeLevel gauge = game->guns().gauge(3);
    game->pressField(Qt::RightButton);
    QCOMPARE(game->messageBar().text(), u"この銃は補給ができません!!"_s);
    QCOMPARE(game.timer(GameTimer::Reload).interval(), 0);
    game.advance(1499);
    QCOMPARE(game->messageBar().text(), u"この銃は補給ができません!!"_s);
    game.advance(1);
    QVERIFY(game->messageBar().text().isEmpty());
    game.advance(5000);
    QCOMPARE(game->guns().ammoLeft(), 98);
    QCOMPARE(game.ammoCount(3), 98);
    QVERIFY(game->guns().gauge(3) == gauge);
}

void ReloadTest::aGunChangedWhileAReloadIsPendingGetsThirtyBullets() {
    HeadlessGame game;
    // A game with the third gun first, so its gauge has its yellow bar.
    QVERIFY(game.start({.gun = 3, .bulletsLeft = 50}));
    game.returnToStart();
    QVERIFY(game.start({.gun = 1, .bulletsLeft = 3}));
    game->pressField(Qt::RightButton);
    // The reload outlives the game; the gun can be changed once the player is back at the start.
    game.returnToStart();
    game->chooseGun(3);
    game.advance(700);
    QCOMPARE(game->guns().ammoLeft(), 30);
    QCOMPARE(game.ammoCount(3), 30);
    // The bar is drawn full, though the magazine holds 30 of its 100.
    QVERIFY(game->guns().gauge(3) == (GaugeLevel{100, 100, 0xFFFF00}));
    QCOMPARE(game->messageBar().text(), kReloaded);
    // The first gun's display was left as it was.
    QCOMPARE(game.shownBullets(), 3);
}

void ReloadTest::shotsDuringAPendingReloadCountDown() {
    HeadlessGame game;
    QVERIFY(game.start({.gun = 2, .bulletsLeft = 3}));
    game->pressField(Qt::RightButton);
    QCOMPARE(game.ammoCount(2), 3);
    game.advance(500);
    game.miss();
    QCOMPARE(game.ammoCount(2), 2);
    QCOMPARE(game->guns().gauge(2).value, 2);
    game.advance(500);
    game.miss();
    QCOMPARE(game.ammoCount(2), 1);
    QCOMPARE(game->messageBar().text(), kReloading);
    // The shot marks let 120 ms pass; the reload is due 1500 ms after the request.
    game.advance(379);
    QCOMPARE(game->guns().ammoLeft(), 1);
    game.advance(1);
    QCOMPARE(game->guns().ammoLeft(), 15);
    QCOMPARE(game.ammoCount(2), 15);
    QVERIFY(game->guns().gauge(2) == (GaugeLevel{15, 15, kOrange}));
}

void ReloadTest::anEmptyGunDuringAPendingReloadIsRefusedAndTheReloadGoesOn() {
    HeadlessGame game;
    QVERIFY(game.start({.bulletsLeft = 0}));
    game->pressField(Qt::RightButton);
    game.advance(300);
    game.miss();
    QCOMPARE(game.platform.beeper.beeps, 1);
    QCOMPARE(game->messageBar().text(), u"弾がありません！"_s);
    QCOMPARE(game->shotCount(), 8);
    game.advance(399);
    QCOMPARE(game->guns().ammoLeft(), 0);
    game.advance(1);
    QCOMPARE(game->guns().ammoLeft(), 8);
    QCOMPARE(game.shownBullets(), 8);
    QCOMPARE(game->messageBar().text(), kReloaded);
}

void ReloadTest::repeatedRequestsCompleteOnce() {
    HeadlessGame game;
    QVERIFY(game.start({.bulletsLeft = 5}));
    game->pressField(Qt::RightButton);
    game.advance(500);
    game->pressField(Qt::RightButton);
    game->pressField(Qt::RightButton);
    QCOMPARE(game->messageBar().text(), kReloading);
    // However the repeated requests treat the wait, one refill comes by 700 ms after the last of them.
    game.advance(700);
    QCOMPARE(game->guns().ammoLeft(), 8);
    QCOMPARE(game.timer(GameTimer::Reload).interval(), 0);
    game.miss();
    game.advance(5000);
    QCOMPARE(game->guns().ammoLeft(), 7);
    QCOMPARE(game.shownBullets(), 7);
}
