// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reloading with the right button: the wait, the refill and the messages.
#include "ReloadTest.h"

#include "GameTestSupport.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "weapons/Guns.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

using kelvad::testing::GameFixture;

namespace {

const QString kReloading = QStringLiteral("補給中…");
const QString kReloaded = QStringLiteral("補給中完了!!");
void shoot(GameFixture& game, int shots) {
    for (int shot = 0; shot < shots; ++shot) {
        game.press(game.window().playField, 1, kBareField);
    }
}

// The bullet images shown in the first gun's display, whether or not that display is on screen.
int shownBullets(kelvad::MainWindow& window) {
    int shown = 0;
    for (kelvad::ImageBox* bullet : window.bullets) {
        shown += bullet->isHidden() ? 0 : 1;
    }
    return shown;
}

// The colour at the right end of a gauge's bar: the bar's colour only when the gauge is full.
QRgb barEnd(kelvad::PictureBox* gauge) {
    const QImage bar = gauge->lastingImage();
    return bar.pixel(bar.width() - 2, bar.height() / 2);
}

}  // namespace

void ReloadTest::theRightButtonReloadsTheGun_data() {
    QTest::addColumn<int>("gun");
    QTest::addColumn<int>("bulletsLeft");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("full");
    // The button held down while the right one is pressed (0 none), and whether the press lands on a man.
    QTest::addColumn<int>("held");
    QTest::addColumn<bool>("onMan");
    QTest::newRow("first gun, empty") << 1 << 0 << 700 << 8 << 0 << false;
    QTest::newRow("first gun, 5 left") << 1 << 5 << 700 << 8 << 0 << false;
    QTest::newRow("second gun, 3 left") << 2 << 3 << 1500 << 15 << 0 << false;
    QTest::newRow("second gun, full") << 2 << 15 << 1500 << 15 << 0 << false;
    // The press names the button pressed, not every button down: these reload too.
    QTest::newRow("first gun, empty, left held") << 1 << 0 << 700 << 8 << 1 << false;
    QTest::newRow("first gun, empty, left held, on a man") << 1 << 0 << 700 << 8 << 1 << true;
    QTest::newRow("second gun, 4 left, middle held: its own press fires one")
        << 2 << 4 << 1500 << 15 << 4 << false;
    QTest::newRow("second gun, empty, middle held, on a man") << 2 << 0 << 1500 << 15 << 4 << true;
}

void ReloadTest::theRightButtonReloadsTheGun() {
    QFETCH(int, gun);
    QFETCH(int, bulletsLeft);
    QFETCH(int, delay);
    QFETCH(int, full);
    QFETCH(int, held);
    QFETCH(bool, onMan);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = gun, .bulletsLeft = bulletsLeft});
    if (onMan) {
        game.advance(750);
        QVERIFY(window.men[2]->isVisible());
    }
    QWidget* target = onMan ? static_cast<QWidget*>(window.men[2]) : window.playField;
    const QPoint at = onMan ? QPoint(-1, -1) : kBareField;
    if (held != 0) {
        // The held button's own press comes first: a shot, or a refusal at an empty gun.
        game.hold(target, held, at);
    }
    const int left = state.ammoLeft;
    const int fired = state.shotCount;
    game.press(target, 2, at);
    if (held != 0) {
        game.letGo(target, held, at);
    }
    QCOMPARE(window.messageBar->text(), kReloading);
    QCOMPARE(window.reloadTimer->interval(), delay);
    QCOMPARE(state.shotCount, fired);
    QCOMPARE(state.ammoLeft, left);
    if (onMan) {
        QVERIFY(window.men[2]->isVisible());
        QCOMPARE(state.score, 0);
    }
    game.advance(delay - 1);
    QCOMPARE(state.ammoLeft, left);
    QCOMPARE(window.messageBar->text(), kReloading);
    game.advance(1);
    QCOMPARE(state.ammoLeft, full);
    QCOMPARE(window.messageBar->text(), kReloaded);
    QCOMPARE(window.reloadTimer->interval(), 0);
    if (gun == 1) {
        QCOMPARE(shownBullets(window), 8);
    } else {
        QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("15"));
        QCOMPARE(window.ammoGauge2->Value(), 15);
        QCOMPARE(window.ammoGauge2->Max(), 15);
        QCOMPARE(barEnd(window.subMachineGunBar), qRgb(255, 128, 0));
    }
    game.advance(1499);
    QCOMPARE(window.messageBar->text(), kReloaded);
    game.advance(1);
    QVERIFY(window.messageBar->text().isEmpty());
    QVERIFY(!window.messageTimer->enabled());
}

void ReloadTest::theThirdGunCannotBeReloaded() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3, .bulletsLeft = 98});
    const QImage gauge = window.jackGunBar->lastingImage();
    game.press(window.playField, 2, kBareField);
    QCOMPARE(window.messageBar->text(), QStringLiteral("この銃は補給ができません!!"));
    QCOMPARE(window.reloadTimer->interval(), 0);
    game.advance(1499);
    QCOMPARE(window.messageBar->text(), QStringLiteral("この銃は補給ができません!!"));
    game.advance(1);
    QVERIFY(window.messageBar->text().isEmpty());
    game.advance(5000);
    QCOMPARE(state.ammoLeft, 98);
    QCOMPARE(window.jackGunCount->text(), QStringLiteral("98"));
    QCOMPARE(window.jackGunBar->lastingImage(), gauge);
}

void ReloadTest::aGunChangedWhileAReloadIsPendingGetsThirtyBullets() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    // A game with the third gun first, so its gauge has its yellow bar.
    startGame(game, {.gun = 3, .bulletsLeft = 50});
    game.platform.messageBoxes.answer(kelvad::platform::MessageAnswer::Yes);
    window.returnToStartAction->trigger();
    startGame(game, {.gun = 1, .bulletsLeft = 3});
    game.press(window.playField, 2, kBareField);
    kelvad::SelectGun(window, 3);
    QVERIFY(window.ammoDisplays[2]->isVisible());
    game.advance(700);
    QCOMPARE(state.ammoLeft, 30);
    QCOMPARE(window.jackGunCount->text(), QStringLiteral("30"));
    // The bar is drawn full, though the magazine holds 30 of its 100.
    QCOMPARE(window.ammoGauge3->Value(), 100);
    QCOMPARE(barEnd(window.jackGunBar), qRgb(255, 255, 0));
    QCOMPARE(window.messageBar->text(), kReloaded);
    // The first gun's display was left as it was.
    QCOMPARE(shownBullets(window), 3);
}

void ReloadTest::shotsDuringAPendingReloadCountDown() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 2, .bulletsLeft = 3});
    game.press(window.playField, 2, kBareField);
    QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("3"));
    game.advance(500);
    shoot(game, 1);
    QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("2"));
    QCOMPARE(window.ammoGauge2->Value(), 2);
    game.advance(500);
    shoot(game, 1);
    QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("1"));
    QCOMPARE(window.messageBar->text(), kReloading);
    // The shot marks let 120 ms pass; the reload is due 1500 ms after the request.
    game.advance(379);
    QCOMPARE(state.ammoLeft, 1);
    game.advance(1);
    QCOMPARE(state.ammoLeft, 15);
    QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("15"));
    QCOMPARE(window.ammoGauge2->Value(), 15);
    QCOMPARE(barEnd(window.subMachineGunBar), qRgb(255, 128, 0));
}

void ReloadTest::anEmptyGunDuringAPendingReloadIsRefusedAndTheReloadGoesOn() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.bulletsLeft = 0});
    game.press(window.playField, 2, kBareField);
    game.advance(300);
    shoot(game, 1);
    QCOMPARE(game.platform.beeper.beeps, 1);
    QCOMPARE(window.messageBar->text(), QStringLiteral("弾がありません！"));
    QCOMPARE(state.shotCount, 8);
    game.advance(399);
    QCOMPARE(state.ammoLeft, 0);
    game.advance(1);
    QCOMPARE(state.ammoLeft, 8);
    QCOMPARE(shownBullets(window), 8);
    QCOMPARE(window.messageBar->text(), kReloaded);
}

void ReloadTest::repeatedRequestsCompleteOnce() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.bulletsLeft = 5});
    game.press(window.playField, 2, kBareField);
    game.advance(500);
    game.press(window.playField, 2, kBareField);
    game.press(window.playField, 2, kBareField);
    QCOMPARE(window.messageBar->text(), kReloading);
    // However the repeated requests treat the wait, one refill comes by 700 ms after the last of them.
    game.advance(700);
    QCOMPARE(state.ammoLeft, 8);
    QCOMPARE(window.reloadTimer->interval(), 0);
    shoot(game, 1);
    game.advance(5000);
    QCOMPARE(state.ammoLeft, 7);
    QCOMPARE(shownBullets(window), 7);
}

void ReloadTest::aRightPressOnAManNeitherHitsNorMovesHim() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    chooseGun(window, 2);
    // Yellow, blue, yellow: the blue man clear of the yellow one.
    game.platform.random.script(
        {leftAt(100), topAt(100), leftAt(1500), topAt(1500), leftAt(100), topAt(100)});
    game.clickStart();
    game.advance(1500);
    QVERIFY(window.men[1]->isVisible());
    shoot(game, 4);
    const QPoint place = window.men[1]->pos();
    game.press(window.men[1], 2);
    QCOMPARE(state.pressedMan, 1);
    QCOMPARE(window.messageBar->text(), kReloading);
    QCOMPARE(window.reloadTimer->interval(), 1500);
    QVERIFY(window.men[1]->isVisible());
    QCOMPARE(window.men[1]->pos(), place);
    QCOMPARE(state.score, 0);
    QCOMPARE(state.hitCount, 0);
    QCOMPARE(state.shotCount, 4);
    QCOMPARE(state.ammoLeft, 11);
    QCOMPARE(window.subMachineGunCount->text(), QStringLiteral("11"));
}
