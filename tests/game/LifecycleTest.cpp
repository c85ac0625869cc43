// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game from start to end on the virtual clock.
#include "LifecycleTest.h"

#include "GameTestSupport.h"
#include "PhaseControls.h"
#include "game/BonusPlates.h"
#include "game/Lifecycle.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/SpeedWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using kelvad::platform::MessageAnswer;
using kelvad::testing::GameFixture;

namespace {

bool isBackground(kelvad::MainWindow& window, const QString& file) {
    return window.playField->picture() ==
           QImage(window.programFile(file)).convertToFormat(QImage::Format_RGB32);
}

// What still moves or shows after play has stopped: the clock, the men, the civilian's timers and the plates.
QStringList stillInPlay(kelvad::MainWindow& window) {
    QStringList left;
    const auto expect = [&](bool stopped, const QString& what) {
        if (!stopped) {
            left << what;
        }
    };
    expect(!window.gameClock->enabled(), QStringLiteral("T4 on"));
    expect(window.manJumpTimers[0]->interval() == 0, QStringLiteral("T7 ticking"));
    expect(window.manJumpTimers[1]->interval() == 0, QStringLiteral("T8 ticking"));
    expect(window.manJumpTimers[2]->interval() == 0, QStringLiteral("T9 ticking"));
    expect(!window.civilianArrivalTimer->enabled(), QStringLiteral("T10 on"));
    expect(!window.civilianDepartureTimer->enabled(), QStringLiteral("T11 on"));
    for (QWidget* shown :
         std::initializer_list<QWidget*>{window.men[0], window.men[1], window.men[2], window.plates[0],
                                         window.plates[1], window.plates[2]}) {
        expect(shown->isHidden() && !shown->isEnabled(),
               shown->objectName() + QStringLiteral(" shown or enabled"));
    }
    return left;
}

// The speed chosen in the speed dialog, as the player leaves it with OK; the next game starts with its score.
void chooseSpeed(kelvad::MainWindow& window, int position) {
    kelvad::SpeedWindow& dialog = window.speedWindow();
    window.gameSpeedAction->trigger();
    dialog.speedSlider->setValue(position);
    // The dialog follows the slider at the next move of the mouse over it.
    QTest::mouseMove(dialog.windowHandle(), dialog.speedSlider->mapTo(&dialog, QPoint(2, 2)));
    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
}

}  // namespace

void LifecycleTest::aGameLasts61TicksAndEndsWithTheScoreMessage_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("score");
    QTest::newRow("normal speed: 0 points") << 5 << "0";
    QTest::newRow("slowest speed: -250 points, with the sign") << 0 << "-250";
}

void LifecycleTest::aGameLasts61TicksAndEndsWithTheScoreMessage() {
    QFETCH(int, speed);
    QFETCH(QString, score);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    chooseSpeed(window, speed);
    int barAtMessage = -1;
    QStringList inPlayAtMessage;
    QStringList controlsAtMessage;
    int ticksWhileOpen = -1;
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] {
        barAtMessage = window.timeGauge->Value();
        inPlayAtMessage = stillInPlay(window);
        controlsAtMessage = kelvad::testing::controlStates(window);
        // Nothing ticks while the score is on screen: no man or civilian moves, and the game cannot end
        // twice.
        const int drawn = game.platform.random.drawn;
        const int timeLeft = state.timeLeft;
        game.advance(20000);
        ticksWhileOpen = game.platform.random.drawn - drawn + timeLeft - state.timeLeft;
    });
    game.clickStart();
    QCOMPARE(window.timeGauge->Value(), 60);
    QCOMPARE(window.scoreLabel->text(), score);
    // A plate and the civilian are on the field when the time runs out.
    game.advance(59 * 500);
    state.bonusCharge = kelvad::kBonusThreshold;
    game.press(window.playField, 1, QPoint(250, 5));
    QVERIFY(window.plates[0]->isVisible() || window.plates[1]->isVisible() || window.plates[2]->isVisible());
    game.advance(500);
    QCOMPARE(state.timeLeft, 0);
    QVERIFY(window.civilian->isVisible());
    QVERIFY(window.civilianDepartureTimer->enabled());
    QVERIFY(game.platform.messageBoxes.shown.empty());
    game.advance(500);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    const auto& box = game.platform.messageBoxes.shown.front();
    QCOMPARE(box.title, QStringLiteral("ケルバド解消ゲーム"));
    QCOMPARE(box.text, QStringLiteral("あなたの得点は%1点です！").arg(score));
    QCOMPARE(box.buttons, kelvad::platform::MessageButtons::Ok);
    QCOMPARE(box.icon, kelvad::platform::MessageIcon::None);
    QCOMPARE(box.owner, kelvad::platform::BoxOwner::MainWindow);
    QCOMPARE(barAtMessage, 0);
    // Everything that moves had stopped before the message opened.
    QCOMPARE(inPlayAtMessage, QStringList());
    QCOMPARE(ticksWhileOpen, 0);
    // The title panels are back behind the message; the menus stay as in play until the table is left.
    QCOMPARE(controlsAtMessage,
             QStringLiteral("Form1 on|TAITOLU(0) shown|TAITOLU(1) shown|Command1 off|B1 off|"
                            "B4 off|A2 off|B19 on|B21 on|Picture2 off|Label20 0")
                 .split(QLatin1Char('|')));
    // Neither score earns a place, so the table is shown.
    QVERIFY(window.highScoreTableWindow().isVisible());
    QVERIFY(!window.isEnabled());
    QVERIFY(game.platform.soundDevice.calls.contains(QStringLiteral("closeMidi ") +
                                                     window.programFile(QStringLiteral("\\Battle.Mid"))));
    // The finished game's score stays on show.
    QTest::mouseClick(window.highScoreTableWindow().okButton, Qt::LeftButton);
    QCOMPARE(window.scoreLabel->text(), score);
}

void LifecycleTest::startingAGameSwitchesEveryControlToPlaying() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    QCOMPARE(kelvad::testing::controlStates(window), kelvad::testing::playingControls());
    QVERIFY(window.gameClock->enabled());
    QVERIFY(window.civilianArrivalTimer->enabled());
    QCOMPARE(window.manJumpTimers[0]->interval(), 2500);
    QCOMPARE(window.manJumpTimers[1]->interval(), 1500);
    QCOMPARE(window.manJumpTimers[2]->interval(), 750);
    QCOMPARE(window.scoreLabel->text(), QStringLiteral("0"));
    QCOMPARE(window.hitRateLabel->text(), QStringLiteral("0%"));
    QCOMPARE(state.timeLeft, 60);
    QVERIFY(isBackground(window, QStringLiteral("\\Haitei1.bmp")));
    const QString tune = window.programFile(QStringLiteral("\\Battle.Mid"));
    QCOMPARE(
        game.platform.soundDevice.calls.filter(QStringLiteral("Midi")),
        QStringList({QStringLiteral("openMidi ") + tune, QStringLiteral("playMidi ") + tune + " from 0"}));
}

void LifecycleTest::theMenuStartsAGameOnlyInTheReadyState() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    window.startAction->trigger();
    QVERIFY(window.gameClock->enabled());
    game.advance(2000);
    QCOMPARE(state.timeLeft, 56);
    // Disabled during a game: a second start would restart the clock.
    window.startAction->trigger();
    QCOMPARE(state.timeLeft, 56);
}

void LifecycleTest::answeringNoToTheReturnQuestionChangesNothing() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    game.advance(3000);
    const int timeLeft = state.timeLeft;
    game.platform.soundDevice.calls.clear();
    game.platform.messageBoxes.answer(MessageAnswer::No);
    window.returnToStartAction->trigger();
    const auto& box = game.platform.messageBoxes.shown.back();
    QCOMPARE(box.title, QStringLiteral("確認"));
    QCOMPARE(box.text, QStringLiteral("起動した状態に戻しますか？"));
    QCOMPARE(box.buttons, kelvad::platform::MessageButtons::YesNo);
    QCOMPARE(box.icon, kelvad::platform::MessageIcon::Question);
    QCOMPARE(box.owner, kelvad::platform::BoxOwner::MainWindow);
    QCOMPARE(state.timeLeft, timeLeft);
    QVERIFY(window.gameClock->enabled());
    QCOMPARE(kelvad::testing::controlStates(window), kelvad::testing::playingControls());
    const QString tune = window.programFile(QStringLiteral("\\Battle.Mid"));
    QCOMPARE(game.platform.soundDevice.calls,
             QStringList({QStringLiteral("pauseMidi ") + tune, QStringLiteral("playMidi ") + tune}));
    game.advance(500);
    QCOMPARE(state.timeLeft, timeLeft - 1);
}

void LifecycleTest::answeringYesReturnsToTheReadyStateAndTheNextStartIsFresh() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    // The civilian and a plate are on the field when the player goes back.
    game.advance(10000);
    QVERIFY(window.civilian->isVisible());
    state.bonusCharge = kelvad::kBonusThreshold;
    game.press(window.playField, 1, QPoint(250, 5));
    QVERIFY(window.plates[0]->isVisible() || window.plates[1]->isVisible() || window.plates[2]->isVisible());
    kelvad::CountKill(window, state);
    const QString score = window.scoreLabel->text();
    game.platform.messageBoxes.answer(MessageAnswer::Yes);
    window.returnToStartAction->trigger();
    QCOMPARE(stillInPlay(window), QStringList());
    // The kill counter reads 0 again, while the count itself waits for the next start.
    QCOMPARE(kelvad::testing::controlStates(window), kelvad::testing::readyControls());
    QCOMPARE(window.scoreLabel->text(), score);
    QCOMPARE(state.killCount, 1);
    // Only the plates' own timer finishes its wait; then nothing ticks in the ready state, and no score
    // message comes.
    game.advance(3000);
    QCOMPARE(game.platform.scheduler.nextTickIn(), -1);
    game.advance(60000);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});

    game.clickStart();
    QCOMPARE(state.timeLeft, 60);
    QCOMPARE(state.killCount, 0);
    QCOMPARE(window.timeGauge->Value(), 60);
    game.advance(30500);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{2});
}

void LifecycleTest::killsChangeTheBackgroundAndTheStageBonus_data() {
    QTest::addColumn<int>("kills");
    QTest::addColumn<QString>("background");
    QTest::addColumn<int>("stageBonus");
    // The bonus the last kill, a press on the yellow man, is scored with.
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
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    chooseGun(window, 3);
    // Twice: every new game goes through the stages again.
    for (int round = 0; round < 2; ++round) {
        game.clickStart();
        QCOMPARE(state.stageBonus, 0);
        for (int kill = 1; kill < kills; ++kill) {
            kelvad::CountKill(window, state);
        }
        // The hit that reaches a new stage is still scored with the old bonus, the next with the new one.
        game.advance(750);
        int score = state.score;
        game.press(window.men[2], 1);
        QCOMPARE(state.score, score + 30 + bonusOfTheLastKill);
        QCOMPARE(window.killCountLabel->text(), QString::number(kills));
        QCOMPARE(state.stageBonus, stageBonus);
        QVERIFY(isBackground(window, background));
        game.advance(750);
        score = state.score;
        game.press(window.men[2], 1);
        QCOMPARE(state.score, score + 30 + stageBonus);
        game.platform.messageBoxes.answer(MessageAnswer::Yes);
        window.returnToStartAction->trigger();
    }
}

void LifecycleTest::aTimeOutHoldsTheClockAndTheMen() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    game.advance(2000);
    QCOMPARE(state.timeLeft, 56);
    const QPoint yellowMan = window.men[2]->pos();
    game.platform.soundDevice.calls.clear();
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { game.advance(20000); });
    window.pauseAction->trigger();
    QCOMPARE(game.platform.messageBoxes.shown.back().text,
             QStringLiteral("タイム中です。再会するには、ボタンをクリックしてください。"));
    QCOMPARE(game.platform.messageBoxes.shown.back().owner, kelvad::platform::BoxOwner::MainWindow);
    QCOMPARE(state.timeLeft, 56);
    QCOMPARE(window.men[2]->pos(), yellowMan);
    const QString tune = window.programFile(QStringLiteral("\\Battle.Mid"));
    QCOMPARE(game.platform.soundDevice.calls,
             QStringList({QStringLiteral("pauseMidi ") + tune, QStringLiteral("playMidi ") + tune}));
    // The clock goes on with the time its tick had left.
    game.advance(500);
    QCOMPARE(state.timeLeft, 55);
}

void LifecycleTest::theTimeBonusLengthensTheBarButNotTheGame() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    int barAtMessage = -1;
    game.click(window.timeBonusSquare);
    QCOMPARE(game.platform.beeper.beeps, 1);
    QCOMPARE(window.timeGauge->Max(), 75);
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { barAtMessage = window.timeGauge->Value(); });
    game.clickStart();
    QCOMPARE(window.timeGauge->Value(), 75);
    game.advance(30500);
    QCOMPARE(barAtMessage, 15);
}

void LifecycleTest::theTimeBonusDoesNothingDuringAGame() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    game.clickStart();
    game.click(window.timeBonusSquare);
    QCOMPARE(game.platform.beeper.beeps, 0);
    QCOMPARE(window.timeGauge->Max(), 60);
}
