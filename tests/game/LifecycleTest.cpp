// A game from start to end on the virtual clock.
#include "LifecycleTest.h"

#include "GameFixture.h"
#include "game/GameState.h"
#include "game/Lifecycle.h"
#include "ui/Form3.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "weapons/clsProgressBar.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using kelvad::gameState;
using kelvad::platform::MessageAnswer;
using kelvad::testing::GameFixture;

namespace {

bool isBackground(kelvad::Form1& form, const QString& file) {
    return form.Picture1->picture() == QImage(form.programFile(file)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void LifecycleTest::aGameLasts61TicksAndEndsWithTheScoreMessage() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    int barAtMessage = -1;
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { barAtMessage = form.timeGauge->Value(); });
    game.clickStart();
    QCOMPARE(form.timeGauge->Value(), 60);
    game.advance(60 * 500);
    QCOMPARE(gameState.timeLeft, 0);
    QVERIFY(game.platform.messageBoxes.shown.empty());
    game.advance(500);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});
    const auto& box = game.platform.messageBoxes.shown.front();
    QCOMPARE(box.title, QStringLiteral("ケルバド解消ゲーム"));
    QCOMPARE(box.text, QStringLiteral("あなたの得点は0点です！"));
    QCOMPARE(box.buttons, kelvad::platform::MessageButtons::Ok);
    QCOMPARE(box.icon, kelvad::platform::MessageIcon::None);
    QCOMPARE(barAtMessage, 0);
    // Everything that moves has stopped; a score of 0 earns no place, so the table is shown.
    QVERIFY(!form.T4->enabled());
    QCOMPARE(form.T7->interval(), 0);
    QVERIFY(!form.T10->enabled());
    QVERIFY(form.TAITOLU[0]->isVisible());
    QVERIFY(!form.I3->isVisible());
    QVERIFY(form.form3().isVisible());
    QVERIFY(!form.isEnabled());
    QVERIFY(game.platform.soundDevice.calls.contains(QStringLiteral("closeMidi ") +
                                                     form.programFile(QStringLiteral("\\Battle.Mid"))));
}

void LifecycleTest::startingAGameSwitchesEveryControlToPlaying() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    game.clickStart();
    QVERIFY(!form.TAITOLU[0]->isVisible());
    QVERIFY(!form.TAITOLU[1]->isVisible());
    QVERIFY(!form.Command1->isEnabled());
    QVERIFY(!form.B1->isEnabled());
    QVERIFY(!form.B4->isEnabled());
    QVERIFY(!form.A2->menuAction()->isEnabled());
    QVERIFY(form.B19->isEnabled());
    QVERIFY(form.B21->isEnabled());
    QVERIFY(!form.Picture2->isEnabled());
    QVERIFY(form.T4->enabled());
    QVERIFY(form.T10->enabled());
    QCOMPARE(form.T7->interval(), 2500);
    QCOMPARE(form.T8->interval(), 1500);
    QCOMPARE(form.T9->interval(), 750);
    QCOMPARE(form.TOKUTEN->text(), QStringLiteral("0"));
    QCOMPARE(form.GEKIHA->text(), QStringLiteral("0%"));
    QCOMPARE(form.Label20->text(), QStringLiteral("0"));
    QCOMPARE(gameState.timeLeft, 60);
    QVERIFY(isBackground(form, QStringLiteral("\\Haitei1.bmp")));
    const QString tune = form.programFile(QStringLiteral("\\Battle.Mid"));
    QCOMPARE(
        game.platform.soundDevice.calls.filter(QStringLiteral("Midi")),
        QStringList({QStringLiteral("openMidi ") + tune, QStringLiteral("playMidi ") + tune + " from 0"}));
}

void LifecycleTest::theMenuStartsAGameOnlyInTheReadyState() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    form.B1->trigger();
    QVERIFY(form.T4->enabled());
    game.advance(2000);
    QCOMPARE(gameState.timeLeft, 56);
    // Disabled during a game: a second start would restart the clock.
    form.B1->trigger();
    QCOMPARE(gameState.timeLeft, 56);
}

void LifecycleTest::answeringNoToTheReturnQuestionChangesNothing() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    game.clickStart();
    game.advance(3000);
    const int timeLeft = gameState.timeLeft;
    game.platform.soundDevice.calls.clear();
    game.platform.messageBoxes.answer(MessageAnswer::No);
    form.B21->trigger();
    const auto& box = game.platform.messageBoxes.shown.back();
    QCOMPARE(box.title, QStringLiteral("確認"));
    QCOMPARE(box.text, QStringLiteral("起動した状態に戻しますか？"));
    QCOMPARE(box.buttons, kelvad::platform::MessageButtons::YesNo);
    QCOMPARE(box.icon, kelvad::platform::MessageIcon::Question);
    QCOMPARE(box.owner, &form);
    QCOMPARE(gameState.timeLeft, timeLeft);
    QVERIFY(form.T4->enabled());
    QVERIFY(!form.TAITOLU[0]->isVisible());
    const QString tune = form.programFile(QStringLiteral("\\Battle.Mid"));
    QCOMPARE(game.platform.soundDevice.calls,
             QStringList({QStringLiteral("pauseMidi ") + tune, QStringLiteral("playMidi ") + tune}));
    game.advance(500);
    QCOMPARE(gameState.timeLeft, timeLeft - 1);
}

void LifecycleTest::answeringYesReturnsToTheReadyStateAndTheNextStartIsFresh() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    game.clickStart();
    game.advance(3000);
    kelvad::CountKill(form);
    game.platform.messageBoxes.answer(MessageAnswer::Yes);
    form.B21->trigger();
    QVERIFY(form.TAITOLU[0]->isVisible());
    QVERIFY(form.TAITOLU[1]->isVisible());
    QVERIFY(!form.I1->isVisible() && !form.I2->isVisible() && !form.I3->isVisible());
    QVERIFY(!form.T4->enabled());
    QCOMPARE(form.T9->interval(), 0);
    QVERIFY(!form.T10->enabled());
    QVERIFY(form.Command1->isEnabled());
    QVERIFY(form.B1->isEnabled());
    QVERIFY(form.A2->menuAction()->isEnabled());
    QVERIFY(!form.B19->isEnabled());
    QVERIFY(form.Picture2->isEnabled());
    QCOMPARE(form.Label20->text(), QStringLiteral("0"));
    QCOMPARE(gameState.killCount, 1);
    // Nothing ticks in the ready state, and no score message comes.
    QCOMPARE(game.platform.scheduler.nextTickIn(), -1);
    game.advance(60000);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{1});

    game.clickStart();
    QCOMPARE(gameState.timeLeft, 60);
    QCOMPARE(gameState.killCount, 0);
    QCOMPARE(form.timeGauge->Value(), 60);
    game.advance(30500);
    QCOMPARE(game.platform.messageBoxes.shown.size(), std::size_t{2});
}

void LifecycleTest::killsChangeTheBackgroundAndTheStageBonus_data() {
    QTest::addColumn<int>("kills");
    QTest::addColumn<QString>("background");
    QTest::addColumn<int>("stageBonus");
    QTest::newRow("20 kills: first stage") << 20 << "\\Haitei1.bmp" << 0;
    QTest::newRow("21 kills: second stage") << 21 << "\\HAITEI2.BMP" << 20;
    QTest::newRow("40 kills: still second") << 40 << "\\HAITEI2.BMP" << 20;
    QTest::newRow("41 kills: third stage") << 41 << "\\HAITEI3.BMP" << 40;
}

void LifecycleTest::killsChangeTheBackgroundAndTheStageBonus() {
    QFETCH(int, kills);
    QFETCH(QString, background);
    QFETCH(int, stageBonus);
    GameFixture game;
    kelvad::Form1& form = game.form();
    // Twice: every new game goes through the stages again.
    for (int round = 0; round < 2; ++round) {
        game.clickStart();
        QCOMPARE(form.stageBonus, 0);
        for (int kill = 0; kill < kills; ++kill) {
            kelvad::CountKill(form);
        }
        QCOMPARE(form.Label20->text(), QString::number(kills));
        QCOMPARE(form.stageBonus, stageBonus);
        QVERIFY(isBackground(form, background));
        game.platform.messageBoxes.answer(MessageAnswer::Yes);
        form.B21->trigger();
    }
}

void LifecycleTest::aTimeOutHoldsTheClockAndTheMen() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    game.clickStart();
    game.advance(2000);
    QCOMPARE(gameState.timeLeft, 56);
    const QPoint yellowMan = form.I3->pos();
    game.platform.soundDevice.calls.clear();
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { game.advance(20000); });
    form.B19->trigger();
    QCOMPARE(game.platform.messageBoxes.shown.back().text,
             QStringLiteral("タイム中です。再会するには、ボタンをクリックしてください。"));
    QCOMPARE(game.platform.messageBoxes.shown.back().owner, &form);
    QCOMPARE(gameState.timeLeft, 56);
    QCOMPARE(form.I3->pos(), yellowMan);
    const QString tune = form.programFile(QStringLiteral("\\Battle.Mid"));
    QCOMPARE(game.platform.soundDevice.calls,
             QStringList({QStringLiteral("pauseMidi ") + tune, QStringLiteral("playMidi ") + tune}));
    // The clock goes on with the time its tick had left.
    game.advance(500);
    QCOMPARE(gameState.timeLeft, 55);
}

void LifecycleTest::theTimeBonusLengthensTheBarButNotTheGame() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    int barAtMessage = -1;
    game.click(form.Picture2);
    QCOMPARE(game.platform.beeper.beeps, 1);
    QCOMPARE(form.timeGauge->Max(), 75);
    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] { barAtMessage = form.timeGauge->Value(); });
    game.clickStart();
    QCOMPARE(form.timeGauge->Value(), 75);
    game.advance(30500);
    QCOMPARE(barAtMessage, 15);
}

void LifecycleTest::theTimeBonusDoesNothingDuringAGame() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    game.clickStart();
    game.click(form.Picture2);
    QCOMPARE(game.platform.beeper.beeps, 0);
    QCOMPARE(form.timeGauge->Max(), 60);
}
