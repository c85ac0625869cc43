// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The civilian: when he turns up, and what shooting or rescuing him does to the time.
#include "CivilianTest.h"

#include "GameTestSupport.h"
#include "game/Civilian.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/SpeedWindow.h"

#include <QLabel>
#include <QTest>

using kelvad::platform::MessageAnswer;
using kelvad::testing::GameFixture;

namespace {

const QString kScream = QStringLiteral("一般人　うぁぁぁぁぁぁ!!");
const QString kThanks = QStringLiteral("一般人 ＴＨＡＮＫ　ＹＯＵ!!");
const QString kNoBullets = QStringLiteral("弾がありません！");

QString wave(kelvad::MainWindow& window, const char* name) {
    return QStringLiteral("playWave ") + window.programFile(QString::fromLatin1(name));
}

// The civilian's own timer ticks now, as it does ten seconds into a game: he turns up at (left, top) twips.
void bringCivilian(GameFixture& game, int left, int top) {
    game.platform.random.script({leftAt(left), topAt(top)});
    kelvad::ShowCivilian(game.window(), game.state());
}

}  // namespace

void CivilianTest::theCivilianTurnsUpEveryTenSecondsForOneAndAHalf() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    // At speed 3 no man jumps at 10 s, so the two draws then are the civilian's.
    window.speedWindow().speedSlider->setValue(3);
    game.clickStart();
    game.advance(9999);
    QVERIFY(!window.civilian->isVisible());
    game.platform.random.script({leftAt(1500), topAt(750)});
    const int reseeds = game.platform.random.reseeds;
    game.advance(1);
    QVERIFY(window.civilian->isVisible());
    QVERIFY(window.civilian->isEnabled());
    QCOMPARE(game.platform.random.reseeds, reseeds + 1);
    QCOMPARE(state.civilianPlace.left, 1500.0f);
    QCOMPARE(state.civilianPlace.top, 750.0f);
    QCOMPARE(window.civilian->pos(), QPoint(100, 50));
    // A move over him is tracked in the field's twips: 105 and 195 twips into him.
    game.move(window.civilian, QPoint(7, 13));
    QCOMPARE(state.pointer.left, 1605.0f);
    QCOMPARE(state.pointer.top, 945.0f);
    game.advance(1499);
    QVERIFY(window.civilian->isVisible());
    game.advance(1);
    QVERIFY(!window.civilian->isVisible());
    QVERIFY(!window.civilian->isEnabled());
    QVERIFY(!window.civilianDepartureTimer->enabled());
    // And again every ten seconds.
    game.advance(8499);
    QVERIFY(!window.civilian->isVisible());
    game.advance(1);
    QVERIFY(window.civilian->isVisible());
    // Nothing of him touches the time while he only comes and goes.
    QCOMPARE(state.timeLeft, 20);
}

void CivilianTest::aPressOnTheCivilian_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("emptyGun");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("timeChange");
    QTest::addColumn<bool>("gone");
    // A button held down on him before the press (0 none); at an empty gun its own press is refused.
    QTest::addColumn<int>("held");
    QTest::newRow("left press: shot") << 1 << false << "\\UA.Wav" << kScream << -5 << true << 0;
    QTest::newRow("middle press: shot") << 4 << false << "\\UA.Wav" << kScream << -5 << true << 0;
    QTest::newRow("right press: rescued") << 2 << false << "\\ALI.Wav" << kThanks << 5 << true << 0;
    QTest::newRow("right press, empty gun: rescued all the same")
        << 2 << true << "\\ALI.Wav" << kThanks << 5 << true << 0;
    QTest::newRow("left press, empty gun: refused, he stays")
        << 1 << true << "" << kNoBullets << 0 << false << 0;
    QTest::newRow("right press with the left held, empty gun: rescued")
        << 2 << true << "\\ALI.Wav" << kThanks << 5 << true << 1;
    QTest::newRow("right press with the middle held, empty gun: rescued")
        << 2 << true << "\\ALI.Wav" << kThanks << 5 << true << 4;
    QTest::newRow("left press with the middle held, empty gun: refused")
        << 1 << true << "" << kNoBullets << 0 << false << 4;
}

void CivilianTest::aPressOnTheCivilian() {
    QFETCH(int, button);
    QFETCH(bool, emptyGun);
    QFETCH(QString, sound);
    QFETCH(QString, message);
    QFETCH(int, timeChange);
    QFETCH(bool, gone);
    QFETCH(int, held);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    // 50 ticks left, so the bar can show the time won or lost.
    game.advance(5000);
    if (emptyGun) {
        for (int shot = 0; shot < 8; ++shot) {
            game.press(window.playField, 1, QPoint(250, 225));
        }
    } else {
        game.press(window.playField, 1, QPoint(250, 225));
    }
    const int ammo = state.ammoLeft;
    const int shots = state.shotCount;
    const QString hitRate = window.hitRateLabel->text();
    bringCivilian(game, 1500, 1500);
    if (held != 0) {
        game.hold(window.civilian, held);
    }
    const int beeps = game.platform.beeper.beeps;
    game.platform.soundDevice.calls.clear();
    game.press(window.civilian, button);
    if (held != 0) {
        game.letGo(window.civilian, held);
    }

    QCOMPARE(window.messageBar->text(), message);
    QCOMPARE(state.timeLeft, 50 + timeChange);
    QCOMPARE(window.timeGauge->Value(), state.timeLeft);
    QCOMPARE(window.civilian->isVisible(), !gone);
    QCOMPARE(window.civilian->isEnabled(), !gone);
    QCOMPARE(window.civilianDepartureTimer->enabled(), !gone);
    // No bullet, no shot, no hit rate, no gun sound: only the civilian's own sound, if any.
    QCOMPARE(state.ammoLeft, ammo);
    QCOMPARE(state.shotCount, shots);
    QCOMPARE(window.hitRateLabel->text(), hitRate);
    if (sound.isEmpty()) {
        QVERIFY(game.platform.soundDevice.calls.isEmpty());
        QCOMPARE(game.platform.beeper.beeps, beeps + 1);
    } else {
        QCOMPARE(game.platform.soundDevice.calls, QStringList({wave(window, qPrintable(sound))}));
        QCOMPARE(state.civilianSoundFile, sound);
        QCOMPARE(game.platform.beeper.beeps, beeps);
    }
    game.advance(1499);
    QCOMPARE(window.messageBar->text(), message);
    // A civilian left standing goes at his own time.
    QCOMPARE(window.civilian->isVisible(), !gone);
    game.advance(1);
    QVERIFY(window.messageBar->text().isEmpty());
    QVERIFY(!window.civilian->isVisible());
}

void CivilianTest::aRescueAtAFullBarLengthensTheGame() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    int barAtMessage = -1;
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { barAtMessage = window.timeGauge->Value(); });
    game.clickStart();
    bringCivilian(game, 300, 300);
    game.press(window.civilian, 2);
    QCOMPARE(state.timeLeft, 65);
    QCOMPARE(window.timeGauge->Value(), 60);
    QCOMPARE(window.timeGauge->Max(), 60);
    // 65 ticks to play, ended by the 66th: 2.5 s more than a game without him.
    game.advance(65 * 500);
    QCOMPARE(state.timeLeft, 0);
    QVERIFY(game.platform.messageBoxes.shown.empty());
    game.advance(500);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    QCOMPARE(barAtMessage, 0);
}

void CivilianTest::shootingCiviliansEndsTheGameEarly() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    game.advance(10000);
    QVERIFY(window.civilian->isVisible());
    game.press(window.civilian, 1);
    QCOMPARE(state.timeLeft, 35);
    game.advance(10000);
    QVERIFY(window.civilian->isVisible());
    game.press(window.civilian, 1);
    QCOMPARE(state.timeLeft, 10);
    QCOMPARE(window.timeGauge->Value(), 10);
    // Ten ticks left: the clock runs out at 25 s and the tick after ends the game.
    game.advance(4999);
    QCOMPARE(state.timeLeft, 1);
    game.advance(1);
    QCOMPARE(state.timeLeft, 0);
    QVERIFY(game.platform.messageBoxes.shown.empty());
    game.advance(500);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    QVERIFY(!window.gameClock->enabled());
    QVERIFY(!window.civilianArrivalTimer->enabled());
    QVERIFY(window.titlePanel->isVisible());
}
