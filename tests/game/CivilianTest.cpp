// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The civilian: when he turns up, and what shooting or rescuing him does to the time.
#include "CivilianTest.h"

#include "HeadlessGame.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace kelvad;
using namespace kelvad::testing;
using platform::MessageAnswer;

namespace {

const QString kScream = u"一般人　うぁぁぁぁぁぁ!!"_s;
const QString kThanks = u"一般人 ＴＨＡＮＫ　ＹＯＵ!!"_s;
const QString kNoBullets = u"弾がありません！"_s;

}  // namespace

void CivilianTest::theCivilianTurnsUpEveryTenSecondsForOneAndAHalf() {
    HeadlessGame game;
    const FieldPiece& civilian = game->civilian().piece();
    // At speed 3 no man jumps at 10 s, so the two draws then are the civilian's.
    game->setSpeedSliderPosition(3);
    game->clickStart();
    game.advance(9999);
    QVERIFY(!civilian.shown);
    game.platform.random.script({leftAt(1500), topAt(750)});
    const int reseeds = game.platform.random.reseeds;
    game.advance(1);
    QVERIFY(civilian.shown && civilian.enabled);
    QCOMPARE(game.platform.random.reseeds, reseeds + 1);
    QCOMPARE(civilian.place.toPointF(), QPointF(1500, 750));
    // A move over him is tracked in the field's twips.
    game->moveOverCivilian(QPointF(105, 195));
    QCOMPARE(game->pointer().toPointF(), QPointF(1605, 945));
    game.advance(1499);
    QVERIFY(civilian.shown);
    game.advance(1);
    QVERIFY(!civilian.shown && !civilian.enabled);
    QVERIFY(!game.timer(GameTimer::CivilianStay).enabled());
    // And again every ten seconds.
    game.advance(8499);
    QVERIFY(!civilian.shown);
    game.advance(1);
    QVERIFY(civilian.shown);
    // Nothing of him touches the time while he only comes and goes.
    QCOMPARE(game->timeLeft(), 20);
}

void CivilianTest::aPressOnTheCivilian_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("emptyGun");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("timeChange");
    QTest::addColumn<bool>("gone");
    QTest::newRow("left press: shot") << Qt::LeftButton << false << "\\UA.Wav" << kScream << -5 << true;
    QTest::newRow("middle press: shot") << Qt::MiddleButton << false << "\\UA.Wav" << kScream << -5 << true;
    QTest::newRow("right press: rescued") << Qt::RightButton << false << "\\ALI.Wav" << kThanks << 5 << true;
    QTest::newRow("right press, empty gun: rescued all the same")
        << Qt::RightButton << true << "\\ALI.Wav" << kThanks << 5 << true;
    QTest::newRow("left press, empty gun: refused, he stays")
        << Qt::LeftButton << true << "" << kNoBullets << 0 << false;
}

void CivilianTest::aPressOnTheCivilian() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, emptyGun);
    QFETCH(QString, sound);
    QFETCH(QString, message);
    QFETCH(int, timeChange);
    QFETCH(bool, gone);
    HeadlessGame game;
    const FieldPiece& civilian = game->civilian().piece();
    QVERIFY(game.start({.bulletsLeft = emptyGun ? 0 : 7}));
    game.advance(10000 - game.platform.scheduler.now());
    QVERIFY(civilian.shown);
    const int timeLeft = game->timeLeft();
    const int ammo = game->guns().ammoLeft();
    const int shots = game->shotCount();
    const int beeps = game.platform.beeper.beeps;
    QSignalSpy hitRates(&*game, &Game::hitRateChanged);
    game.platform.soundDevice.calls.clear();
    game->pressCivilian(button);

    QCOMPARE(game->messageBar().text(), message);
    QCOMPARE(game->timeLeft(), timeLeft + timeChange);
    QCOMPARE(game->timeBar().value, game->timeLeft());
    QCOMPARE(civilian.shown, !gone);
    QCOMPARE(civilian.enabled, !gone);
    QCOMPARE(game.timer(GameTimer::CivilianStay).enabled(), !gone);
    // No bullet, no shot, no hit rate, no gun sound: only the civilian's own sound, if any.
    QCOMPARE(game->guns().ammoLeft(), ammo);
    QCOMPARE(game->shotCount(), shots);
    QCOMPARE(hitRates.count(), 0);
    if (sound.isEmpty()) {
        QVERIFY(game.platform.soundDevice.calls.isEmpty());
        QCOMPARE(game.platform.beeper.beeps, beeps + 1);
    } else {
        QCOMPARE(game.platform.soundDevice.calls, QStringList({u"playWave "_s + game.programFile(sound)}));
        QCOMPARE(game.platform.beeper.beeps, beeps);
    }
    game.advance(1499);
    QCOMPARE(game->messageBar().text(), message);
    // A civilian left standing goes at his own time.
    QCOMPARE(civilian.shown, !gone);
    game.advance(1);
    QVERIFY(game->messageBar().text().isEmpty());
    QVERIFY(!civilian.shown);
}

void CivilianTest::rescuingOrShootingHimChangesTheLengthOfTheGame_data() {
    // A press at each of his visits, 10 s apart: R the right button, L the left.
    QTest::addColumn<QString>("presses");
    QTest::addColumn<int>("timeLeft");
    QTest::addColumn<int>("endsAt");
    QTest::newRow("rescued once: the game ends 2.5 s later") << "R" << 45 << 33000;
    QTest::newRow("shot twice: 5 s earlier") << "LL" << 10 << 25500;
}

void CivilianTest::rescuingOrShootingHimChangesTheLengthOfTheGame() {
    QFETCH(QString, presses);
    QFETCH(int, timeLeft);
    QFETCH(int, endsAt);
    HeadlessGame game;
    int barAtMessage = -1;
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { barAtMessage = game->timeBar().value; });
    game->clickStart();
    for (const QChar press : presses) {
        game.advance(10000);
        QVERIFY(game->civilian().piece().shown);
        game->pressCivilian(press == u'R' ? Qt::RightButton : Qt::LeftButton);
    }
    QCOMPARE(game->timeLeft(), timeLeft);
    QCOMPARE(game->timeBar().value, timeLeft);
    // The clock runs out one tick before the end.
    game.advance(endsAt - 500 - game.platform.scheduler.now());
    QCOMPARE(game->timeLeft(), 0);
    game.advance(499);
    QVERIFY(game.platform.messageBoxes.shown.empty());
    game.advance(1);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    QCOMPARE(barAtMessage, 0);
    QVERIFY(!game.timer(GameTimer::Clock).enabled());
    QVERIFY(!game.timer(GameTimer::Civilian).enabled());
    QVERIFY(game->controls().titlePanelsShown());
}
