// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bonus plates: when the meter brings one up, what a click on it scores, and when they go.
#include "BonusPlateTest.h"

#include "GameTestSupport.h"
#include "state/GameState.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QLabel>
#include <QTest>

#include <array>

using kelvad::testing::GameFixture;

namespace {

std::array<kelvad::PictureBox*, 3> plates(kelvad::MainWindow& window) {
    return {window.plates[0], window.plates[1], window.plates[2]};
}

bool anyPlateShown(kelvad::MainWindow& window) {
    return window.plates[0]->isVisible() || window.plates[1]->isVisible() || window.plates[2]->isVisible();
}

// The draws of the next bonus check: which plate (1..3), then its left and top in twips.
void scriptPlate(GameFixture& game, int plate, int left, int top) {
    game.platform.random.script({(plate - 0.5) / 3.0, leftAt(left), topAt(top)});
}

// The men's first five jumps at normal speed (yellow, blue, yellow, yellow, black by 2.5 s) keep them apart,
// so a press on the black man hits him.
void placeMenApart(GameFixture& game) {
    game.platform.random.script({leftAt(100), topAt(100), leftAt(100), topAt(1000), leftAt(100), topAt(100),
                                 leftAt(100), topAt(100), leftAt(100), topAt(2000)});
}

void advanceTo(GameFixture& game, std::int64_t moment) {
    game.advance(moment - game.platform.scheduler.now());
}

// Plate k (1..3) on show at (left, top) twips, brought up by a shot on the bare field.
void showPlate(GameFixture& game, int plate, int left, int top) {
    kelvad::GameState& state = game.state();
    state.bonusCharge = 25;
    scriptPlate(game, plate, left, top);
    game.press(game.window().playField, 1, kBareField);
}

}  // namespace

void BonusPlateTest::aFullMeterWaitsForTheNextFiredShot() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    placeMenApart(game);
    game.clickStart();
    game.advance(2500);
    QVERIFY(window.men[0]->isVisible());
    state.bonusCharge = 24;
    game.press(window.men[0], 1);
    QCOMPARE(state.score, 10);
    // The black man's hit fills the meter after his shot's check: no plate yet.
    QCOMPARE(state.bonusCharge, 25);
    QVERIFY(!anyPlateShown(window));
    QVERIFY(!window.plateTimer->enabled());
    // The next fired shot brings it up, though it misses.
    scriptPlate(game, 2, 1200, 600);
    game.press(window.playField, 1, kBareField);
    QCOMPARE(state.hitCount, 1);
    QCOMPARE(state.bonusCharge, 0);
    QVERIFY(window.plates[1]->isVisible());
    QVERIFY(window.plateTimer->enabled());
}

void BonusPlateTest::aShotAtAFullMeterBringsUpOnePlate_data() {
    QTest::addColumn<int>("charge");
    QTest::addColumn<int>("plate");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("24: no plate") << 24 << 0 << 0 << 0;
    QTest::newRow("25: the 50 plate") << 25 << 1 << 0 << 0;
    QTest::newRow("29: the 100 plate, the meter restarts at 0") << 29 << 2 << 1500 << 2879;
    QTest::newRow("33: the 150 plate") << 33 << 3 << 3000 << 1200;
}

void BonusPlateTest::aShotAtAFullMeterBringsUpOnePlate() {
    QFETCH(int, charge);
    QFETCH(int, plate);
    QFETCH(int, left);
    QFETCH(int, top);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3, .bonusCharge = charge});
    const int reseeds = game.platform.random.reseeds;
    if (plate > 0) {
        scriptPlate(game, plate, left, top);
    }
    game.press(window.playField, 1, kBareField);
    QCOMPARE(state.shotCount, 1);
    QCOMPARE(state.ammoLeft, 99);
    QCOMPARE(state.bonusCharge, plate > 0 ? 0 : charge);
    QCOMPARE(window.plateTimer->enabled(), plate > 0);
    QCOMPARE(game.platform.random.reseeds, reseeds + (plate > 0 ? 1 : 0));
    for (int k = 1; k <= 3; ++k) {
        kelvad::PictureBox* each = plates(window)[k - 1];
        QCOMPARE(each->isVisible(), k == plate);
        QCOMPARE(each->isEnabled(), k == plate);
        if (k == plate) {
            QCOMPARE(state.platePlaces[k - 1].left, static_cast<float>(left));
            QCOMPARE(state.platePlaces[k - 1].top, static_cast<float>(top));
            QCOMPARE(each->pos(), QPoint(qRound(left / 15.0), qRound(top / 15.0)));
        }
    }
}

void BonusPlateTest::aRefusedPressBringsUpNoPlate() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    placeMenApart(game);
    game.clickStart();
    for (int shot = 0; shot < 8; ++shot) {
        game.press(window.playField, 1, kBareField);
    }
    state.bonusCharge = 25;
    game.press(window.playField, 1, kBareField);
    game.advance(2500);
    game.press(window.men[0], 1);
    QCOMPARE(window.messageBar->text(), QStringLiteral("弾がありません！"));
    QCOMPARE(state.bonusCharge, 25);
    QVERIFY(!anyPlateShown(window));
    QVERIFY(!window.plateTimer->enabled());
    // Reloaded, the next shot brings it up.
    game.press(window.playField, 2, kBareField);
    game.advance(700);
    scriptPlate(game, 1, 600, 600);
    game.press(window.playField, 1, kBareField);
    QVERIFY(window.plates[0]->isVisible());
    QCOMPARE(state.bonusCharge, 0);
}

void BonusPlateTest::clickingAPlateOrItsLabelScoresItsPoints_data() {
    QTest::addColumn<int>("plate");
    QTest::addColumn<bool>("onLabel");
    QTest::addColumn<bool>("emptyGun");
    QTest::addColumn<int>("points");
    // Another button clicked while the left one is down (positive), or held across the left click (negative).
    QTest::addColumn<int>("other");
    QTest::newRow("50 plate") << 1 << false << false << 50 << 0;
    QTest::newRow("label 50") << 1 << true << false << 50 << 0;
    QTest::newRow("100 plate") << 2 << false << false << 100 << 0;
    QTest::newRow("label 100") << 2 << true << false << 100 << 0;
    QTest::newRow("150 plate") << 3 << false << false << 150 << 0;
    QTest::newRow("label 150") << 3 << true << false << 150 << 0;
    QTest::newRow("label 150 with an empty gun") << 3 << true << true << 150 << 0;
    QTest::newRow("100 plate, a right click inside the left click") << 2 << false << false << 100 << 2;
    QTest::newRow("label 50, a middle click inside the left click") << 1 << true << false << 50 << 4;
    QTest::newRow("150 plate, the right held across the left click") << 3 << false << false << 150 << -2;
}

void BonusPlateTest::clickingAPlateOrItsLabelScoresItsPoints() {
    QFETCH(int, plate);
    QFETCH(bool, onLabel);
    QFETCH(bool, emptyGun);
    QFETCH(int, points);
    QFETCH(int, other);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    showPlate(game, plate, 1500, 1500);
    if (emptyGun) {
        for (int shot = 0; shot < 7; ++shot) {
            game.press(window.playField, 1, kBareField);
        }
    }
    const int ammo = state.ammoLeft;
    const int shots = state.shotCount;
    game.platform.soundDevice.calls.clear();
    kelvad::PictureBox* shown = plates(window)[plate - 1];
    QLabel* label = std::array<QLabel*, 3>{window.findChild<QLabel*>(QStringLiteral("Label4")),
                                           window.findChild<QLabel*>(QStringLiteral("Label7")),
                                           window.findChild<QLabel*>(QStringLiteral("Label13"))}[plate - 1];
    QCOMPARE(label->text(), QString::number(points));
    // The plate's edge, beside its label.
    QWidget* target = onLabel ? static_cast<QWidget*>(label) : shown;
    const QPoint at = onLabel ? QPoint(-1, -1) : QPoint(2, 2);
    if (other < 0) {
        game.hold(target, -other, at);
    }
    game.hold(target, 1, at);
    if (other > 0) {
        game.press(target, other, at);
    }
    game.letGo(target, 1, at);
    if (other < 0) {
        game.letGo(target, -other, at);
    }
    QCOMPARE(state.score, points);
    QCOMPARE(window.scoreLabel->text(), QString::number(points));
    QVERIFY(!shown->isVisible());
    QVERIFY(!shown->isEnabled());
    QCOMPARE(game.platform.soundDevice.calls,
             QStringList({QStringLiteral("playWave ") + window.programFile(QStringLiteral("\\TO.Wav"))}));
    // Collecting is no shot and costs no bullet.
    QCOMPARE(state.ammoLeft, ammo);
    QCOMPARE(state.shotCount, shots);
    QCOMPARE(game.platform.beeper.beeps, 0);
}

void BonusPlateTest::aPlateStickingOutOfTheFieldShowsAndTakesClicksOnlyInside() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3});
    const QPoint hidden = window.playField->mapTo(&window, QPoint(window.playField->width() + 3, 210));
    const QImage before = window.grab().toImage();
    showPlate(game, 3, 3239, 3000);
    // Left 3239 twips is pixel 216 of the field's 257: the plate's last 19 pixels lie outside it.
    QCOMPARE(window.plates[2]->geometry(), QRect(216, 200, 60, 20));
    const QImage after = window.grab().toImage();
    int changedInside = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 41; ++x) {
            const QPoint at = window.plates[2]->mapTo(&window, QPoint(x, y));
            changedInside += after.pixel(at) != before.pixel(at) ? 1 : 0;
        }
    }
    QVERIFY2(changedInside > 41 * 20 / 2, qPrintable(QString::number(changedInside)));
    QCOMPARE(after.pixel(hidden), before.pixel(hidden));
    // A click on the part outside the field reaches whatever lies there, not the plate.
    game.click(window.plates[2], QPoint(50, 10));
    QCOMPARE(state.score, 0);
    QVERIFY(window.plates[2]->isVisible());
    game.click(window.plates[2], QPoint(10, 10));
    QCOMPARE(state.score, 150);
    QVERIFY(!window.plates[2]->isVisible());
}

void BonusPlateTest::everyPlateGoesThreeSecondsAfterTheLastShowedUp() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    startGame(game, {.gun = 3});
    // The shot mark lets time pass, so times count from the press.
    std::int64_t shownAt = game.platform.scheduler.now();
    showPlate(game, 1, 2000, 300);
    advanceTo(game, shownAt + 2999);
    QVERIFY(window.plates[0]->isVisible());
    advanceTo(game, shownAt + 3000);
    QVERIFY(!window.plates[0]->isVisible());
    QVERIFY(!window.plates[0]->isEnabled());
    QVERIFY(!window.plateTimer->enabled());

    showPlate(game, 1, 2000, 300);
    game.advance(1000);
    shownAt = game.platform.scheduler.now();
    showPlate(game, 2, 2000, 1200);
    QVERIFY(window.plates[0]->isVisible() && window.plates[1]->isVisible());
    // One timer for every plate: its tick takes them all together, three seconds after the second at the
    // latest.
    while (game.platform.scheduler.now() < shownAt + 3000) {
        QCOMPARE(window.plates[0]->isVisible(), window.plates[1]->isVisible());
        game.advance(50);
    }
    QVERIFY(!anyPlateShown(window));
    QVERIFY(!window.plates[0]->isEnabled() && !window.plates[1]->isEnabled() &&
            !window.plates[2]->isEnabled());
    QVERIFY(!window.plateTimer->enabled());
}

void BonusPlateTest::aMoveOverAPlateLeavesThePointerWhereItWas() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    startGame(game, {.gun = 3});
    showPlate(game, 2, 1500, 1500);
    game.move(window.playField, QPoint(90, 90));
    QCOMPARE(state.pointer.left, 1350.0f);
    QCOMPARE(state.pointer.top, 1350.0f);
    game.move(window.plates[1], QPoint(3, 3));
    game.move(window.findChild<QLabel*>(QStringLiteral("Label7")), QPoint(3, 3));
    QCOMPARE(state.pointer.left, 1350.0f);
    QCOMPARE(state.pointer.top, 1350.0f);
}
