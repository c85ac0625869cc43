// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game from start to end on the virtual clock.
#include "LifecycleTest.h"

#include "HeadlessGame.h"
#include "PhaseControls.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace kelvad;
using namespace kelvad::testing;
using platform::MessageAnswer;

namespace {

// What still moves or shows after play has stopped: the clock, the men, the civilian's timers and the plates.
QStringList stillInPlay(HeadlessGame& game) {
    QStringList left;
    const auto expect = [&](bool stopped, const QString& what) {
        if (!stopped) {
            left << what;
        }
    };
    expect(!game.timer(GameTimer::Clock).enabled(), u"T4 on"_s);
    expect(!game.timer(GameTimer::Civilian).enabled(), u"T10 on"_s);
    expect(!game.timer(GameTimer::CivilianStay).enabled(), u"T11 on"_s);
    for (int man = 0; man < kMen; ++man) {
        const GameTimer jumps[] = {GameTimer::BlackMan, GameTimer::BlueMan, GameTimer::YellowMan};
        expect(game.timer(jumps[man]).interval() == 0, u"man %1 jumping"_s.arg(man));
        expect(!game->men().man(man).shown && !game->men().man(man).enabled, u"man %1 there"_s.arg(man));
    }
    for (int plate = 0; plate < kPlates; ++plate) {
        const FieldPiece& piece = game->plates().plate(plate);
        expect(!piece.shown && !piece.enabled, u"plate %1 there"_s.arg(plate));
    }
    return left;
}

// The speed chosen in the speed window, left with OK; the next game starts with its score.
void chooseSpeed(Game& game, int position) {
    game.chooseGameSpeed();
    game.setSpeedSliderPosition(position);
    game.followSpeedSlider();
    game.confirmSpeed();
}

}  // namespace

void LifecycleTest::aGameLasts61TicksAndEndsWithTheScoreMessage_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("score");
    // Five hits on the yellow man, 150 points, bring up a plate before the end.
    QTest::newRow("speed 2: 0 points") << 2 << "0";
    QTest::newRow("slowest speed: -100 points, with the sign") << 0 << "-100";
}

void LifecycleTest::aGameLasts61TicksAndEndsWithTheScoreMessage() {
    QFETCH(int, speed);
    QFETCH(QString, score);
    HeadlessGame game;
    chooseSpeed(*game, speed);
    int barAtMessage = -1;
    qsizetype ticksAtMessage = -1;
    QStringList inPlayAtMessage;
    QStringList controlsAtMessage;
    int ticksWhileOpen = -1;
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] {
        barAtMessage = game->timeBar().value;
        ticksAtMessage = game.platform.scheduler.calls.count(u"timer 0 tick"_s);
        inPlayAtMessage = stillInPlay(game);
        controlsAtMessage = controlStates(*game);
        // Nothing ticks while the score is on screen: no man or civilian moves, and the game cannot end
        // twice.
        const int drawn = game.platform.random.drawn;
        const int timeLeft = game->timeLeft();
        game.advance(20000);
        ticksWhileOpen = game.platform.random.drawn - drawn + timeLeft - game->timeLeft();
    });
    game->clickStart();
    QCOMPARE(game->timeBar().value, 60);
    QCOMPARE(game->score(), score.toInt() - 150);
    QVERIFY(game.charge(BonusPlates::kThreshold));
    // A plate and the civilian are on the field when the time runs out.
    QVERIFY(game.advanceUntil([&] { return game->timeLeft() == 1; }));
    game.miss();
    QVERIFY(game.anyPlateShown());
    QVERIFY(game.advanceUntil([&] { return game->timeLeft() == 0; }));
    QVERIFY(game->civilian().piece().shown);
    QVERIFY(game.timer(GameTimer::CivilianStay).enabled());
    QVERIFY(game.platform.messageBoxes.shown.empty());
    game.advance(500);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    const auto& box = game.platform.messageBoxes.shown.front();
    QCOMPARE(box.title, u"ケルバド解消ゲーム"_s);
    QCOMPARE(box.text, u"あなたの得点は%1点です！"_s.arg(score));
    QCOMPARE(box.buttons, platform::MessageButtons::Ok);
    QCOMPARE(box.icon, platform::MessageIcon::None);
    QCOMPARE(box.owner, platform::BoxOwner::MainWindow);
    QCOMPARE(ticksAtMessage, 61);
    QCOMPARE(barAtMessage, 0);
    // Everything that moves had stopped before the message opened.
    QCOMPARE(inPlayAtMessage, QStringList());
    QCOMPARE(ticksWhileOpen, 0);
    // The title panels are back behind the message; the menus stay as in play until the table is left.
    QCOMPARE(controlsAtMessage,
             u"Form1 on|TAITOLU(0) shown|TAITOLU(1) shown|Command1 off|B1 off|B4 off|A2 off|"
             u"B19 on|B21 on|Picture2 off|Label20 5"_s.split(u'|'));
    // Neither score earns a place, so the table is shown.
    QVERIFY(game->highScoreTableOpen());
    QVERIFY(!game->mainWindowEnabled());
    QVERIFY(game.platform.soundDevice.calls.contains(u"closeMidi "_s + game.programFile(u"\\Battle.Mid"_s)));
    // The finished game's score stays on show.
    QSignalSpy scores(&*game, &Game::scoreChanged);
    game->confirmTable();
    QCOMPARE(game->score(), score.toInt());
    QCOMPARE(scores.count(), 0);
}

void LifecycleTest::aStartSwitchesEveryControlToPlayingOnlyInTheReadyState_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("the Start button") << false;
    QTest::newRow("the start item") << true;
}

void LifecycleTest::aStartSwitchesEveryControlToPlayingOnlyInTheReadyState() {
    QFETCH(bool, byMenu);
    HeadlessGame game;
    QSignalSpy backgrounds(&*game, &Game::backgroundChanged);
    byMenu ? game->chooseStart() : game->clickStart();
    QCOMPARE(controlStates(*game), playingControls());
    QVERIFY(game.timer(GameTimer::Clock).enabled());
    QVERIFY(game.timer(GameTimer::Civilian).enabled());
    QCOMPARE(game.timer(GameTimer::BlackMan).interval(), 2500);
    QCOMPARE(game.timer(GameTimer::BlueMan).interval(), 1500);
    QCOMPARE(game.timer(GameTimer::YellowMan).interval(), 750);
    QCOMPARE(game->score(), 0);
    QCOMPARE(game->hitRate(), 0);
    QCOMPARE(game->timeLeft(), 60);
    QCOMPARE(backgrounds.last().at(0).toString(), game.programFile(u"\\Haitei1.bmp"_s));
    const QString tune = game.programFile(u"\\Battle.Mid"_s);
    QCOMPARE(game.platform.soundDevice.calls.filter(u"Midi"_s),
             QStringList({u"openMidi "_s + tune, u"playMidi "_s + tune + u" from 0"_s}));
    // Neither starts a game while one runs: that would restart the clock.
    game.advance(2000);
    game->clickStart();
    game->chooseStart();
    QCOMPARE(game->timeLeft(), 56);
}

void LifecycleTest::answeringNoToTheReturnQuestionChangesNothing() {
    HeadlessGame game;
    game->clickStart();
    game.advance(3000);
    const int timeLeft = game->timeLeft();
    game.platform.soundDevice.calls.clear();
    game.platform.messageBoxes.answer(MessageAnswer::No);
    game->chooseReturnToStart();
    const auto& box = game.platform.messageBoxes.shown.back();
    QCOMPARE(box.title, u"確認"_s);
    QCOMPARE(box.text, u"起動した状態に戻しますか？"_s);
    QCOMPARE(box.buttons, platform::MessageButtons::YesNo);
    QCOMPARE(box.icon, platform::MessageIcon::Question);
    QCOMPARE(box.owner, platform::BoxOwner::MainWindow);
    QCOMPARE(game->timeLeft(), timeLeft);
    QVERIFY(game.timer(GameTimer::Clock).enabled());
    QCOMPARE(controlStates(*game), playingControls());
    const QString tune = game.programFile(u"\\Battle.Mid"_s);
    QCOMPARE(game.platform.soundDevice.calls, QStringList({u"pauseMidi "_s + tune, u"playMidi "_s + tune}));
    game.advance(500);
    QCOMPARE(game->timeLeft(), timeLeft - 1);
}

void LifecycleTest::answeringYesReturnsToTheReadyStateAndTheNextStartIsFresh() {
    HeadlessGame game;
    // Five kills; then the civilian and a plate are on the field when the player goes back.
    QVERIFY(game.start({.gun = 3, .charge = BonusPlates::kThreshold}));
    game.advance(10000 - game.platform.scheduler.now());
    QVERIFY(game->civilian().piece().shown);
    game.miss();
    QVERIFY(game.anyPlateShown());
    const int score = game->score();
    game.returnToStart();
    QCOMPARE(stillInPlay(game), QStringList());
    // The kill counter reads 0 again, while the count itself waits for the next start.
    QCOMPARE(controlStates(*game), readyControls());
    QCOMPARE(game->score(), score);
    QCOMPARE(game->killCount(), 5);
    // Only the plates' own timer finishes its wait; then nothing ticks in the ready state, and no score
    // message comes.
    game.advance(3000);
    QCOMPARE(game.platform.scheduler.nextTickIn(), -1);
    game.advance(60000);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});

    game->clickStart();
    QCOMPARE(game->timeLeft(), 60);
    QCOMPARE(game->killCount(), 0);
    QCOMPARE(game->timeBar().value, 60);
    game.advance(30500);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{2});
}

void LifecycleTest::killsChangeTheBackgroundAndTheStageBonus_data() {
    QTest::addColumn<int>("kills");
    QTest::addColumn<QString>("background");
    QTest::addColumn<int>("stageBonus");
    // The bonus the last kill, a hit on the yellow man, is scored with.
    QTest::addColumn<int>("bonusOfTheLastKill");
    QTest::newRow("20 kills: first stage") << 20 << "\\Haitei1.bmp" << 0 << 0;
    QTest::newRow("21 kills: second stage") << 21 << "\\HAITEI2.BMP" << 20 << 0;
    QTest::newRow("40 kills: still second") << 40 << "\\HAITEI2.BMP" << 20 << 20;
    QTest::newRow("41 kills: third stage") << 41 << "\\HAITEI3.BMP" << 40 << 20;
}

void LifecycleTest::killsChangeTheBackgroundAndTheStageBonus() {
    QFETCH(int, kills);
    QFETCH(QString, background);
    QFETCH(int, stageBonus);
    QFETCH(int, bonusOfTheLastKill);
    HeadlessGame game;
    // The last background shown; only a new one wipes the falls drawn into the field.
    QSignalSpy backgrounds(&*game, &Game::backgroundChanged);
    // Twice: every new game goes through the stages again.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(game.start({.gun = 3, .kills = kills - 1}));
        // The hit that reaches a new stage is still scored with the old bonus, the next with the new one.
        int score = game->score();
        QVERIFY(game.hitMan(2));
        QCOMPARE(game->score(), score + 30 + bonusOfTheLastKill);
        QCOMPARE(game->killCounter(), kills);
        QCOMPARE(game->stageBonus(), stageBonus);
        QCOMPARE(backgrounds.last().at(0).toString(), game.programFile(background));
        score = game->score();
        QVERIFY(game.hitMan(2));
        QCOMPARE(game->score(), score + 30 + stageBonus);
        game.returnToStart();
    }
}

void LifecycleTest::aTimeOutHoldsTheClockAndTheMen() {
    HeadlessGame game;
    game->clickStart();
    game.advance(2000);
    QCOMPARE(game->timeLeft(), 56);
    const QPointF yellowMan = game->men().man(2).place.toPointF();
    game.platform.soundDevice.calls.clear();
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { game.advance(20000); });
    game->choosePause();
    QCOMPARE(game.platform.messageBoxes.shown.back().text,
             u"タイム中です。再会するには、ボタンをクリックしてください。"_s);
    QCOMPARE(game.platform.messageBoxes.shown.back().owner, platform::BoxOwner::MainWindow);
    QCOMPARE(game->timeLeft(), 56);
    QCOMPARE(game->men().man(2).place.toPointF(), yellowMan);
    const QString tune = game.programFile(u"\\Battle.Mid"_s);
    QCOMPARE(game.platform.soundDevice.calls, QStringList({u"pauseMidi "_s + tune, u"playMidi "_s + tune}));
    // The clock goes on with the time its tick had left.
    game.advance(500);
    QCOMPARE(game->timeLeft(), 55);
}

void LifecycleTest::theTimeBonusLengthensTheBarBetweenGamesButNotTheGame() {
    HeadlessGame game;
    int barAtMessage = -1;
    game->clickTimeBonus();
    QCOMPARE(game.platform.beeper.beeps, 1);
    QCOMPARE(game->timeBar().max, 75);
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { barAtMessage = game->timeBar().value; });
    game->clickStart();
    QCOMPARE(game->timeBar().value, 75);
    // During a game the square does nothing.
    game->clickTimeBonus();
    QCOMPARE(game.platform.beeper.beeps, 1);
    game.advance(30500);
    QCOMPARE(barAtMessage, 15);
}
