// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameSpeedTest.h"

#include "HeadlessGame.h"
#include "settings/SpeedTable.h"

#include <QSignalSpy>
#include <QTest>

namespace kelvad {

using testing::HeadlessGame;

namespace {

// What a game starts with: its score, then the black, blue and yellow man's interval, each measured as the
// time from the start to his first jump. The game is left for the ready state after it.
QList<int> startGame(HeadlessGame& game) {
    QList<int> start{0, -1, -1, -1};
    const std::int64_t startedAt = game.platform.scheduler.now();
    QObject context;
    QObject::connect(&game->men(), &Men::moved, &context, [&](int man) {
        int& interval = start[man + 1];
        interval = interval < 0 ? static_cast<int>(game.platform.scheduler.now() - startedAt) : interval;
    });
    game->clickStart();
    start[0] = game->score();
    game.advance(3000);
    game.platform.messageBoxes.answer(platform::MessageAnswer::Yes);
    game->chooseReturnToStart();
    return start;
}

int startScoreShown(const QSignalSpy& spy) {
    return spy.isEmpty() ? -1 : spy.constLast().at(0).toInt();
}

}  // namespace

void GameSpeedTest::eachPositionHasItsRow_data() {
    QTest::addColumn<int>("position");
    // The start score, then the black, blue and yellow man's interval in ms; empty outside the table.
    QTest::addColumn<QList<int>>("row");
    QTest::newRow("0, slowest: in debt") << 0 << QList<int>{-250, 3000, 2000, 1000};
    QTest::newRow("1") << 1 << QList<int>{-200, 2900, 1900, 950};
    QTest::newRow("5, normal: even") << 5 << QList<int>{0, 2500, 1500, 750};
    QTest::newRow("7") << 7 << QList<int>{100, 2300, 1300, 650};
    QTest::newRow("10, fastest: in credit") << 10 << QList<int>{250, 2000, 1000, 500};
    QTest::newRow("-1: outside") << -1 << QList<int>{};
    QTest::newRow("11: outside") << 11 << QList<int>{};
}

void GameSpeedTest::eachPositionHasItsRow() {
    QFETCH(int, position);
    QFETCH(QList<int>, row);
    const std::optional<SpeedRow> found = speedRow(position);
    const QList<int> got = found ? QList<int>{found->startScore, found->manIntervals[0],
                                              found->manIntervals[1], found->manIntervals[2]}
                                 : QList<int>{};
    QCOMPARE(got, row);
}

void GameSpeedTest::aFirstGameStartsAtZeroAtNormalSpeed() {
    HeadlessGame game;
    QCOMPARE(game->speed().savedPosition(), 5);
    QVERIFY(!game->speedWindowOpen());
    QCOMPARE(startGame(game), (QList<int>{0, 2500, 1500, 750}));
}

void GameSpeedTest::eachWayOutAndTheNextTwoGames_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QList<int>>("start");
    QTest::addColumn<int>("reopenedAt");
    QTest::addColumn<int>("reopenedScore");
    const QList<int> slowest{-250, 3000, 2000, 1000};
    const QList<int> fastest{250, 2000, 1000, 500};
    QTest::newRow("slowest, OK") << 0 << true << slowest << 0 << -250;
    QTest::newRow("fastest, OK") << 10 << true << fastest << 10 << 250;
    // A cancelled move still counts: the slider keeps it, and the start reads the slider.
    QTest::newRow("fastest, Cancel") << 10 << false << fastest << 5 << 0;
    QTest::newRow("slowest, Cancel") << 0 << false << slowest << 5 << 0;
}

void GameSpeedTest::eachWayOutAndTheNextTwoGames() {
    QFETCH(int, position);
    QFETCH(bool, ok);
    QFETCH(QList<int>, start);
    QFETCH(int, reopenedAt);
    QFETCH(int, reopenedScore);
    HeadlessGame game;
    QSignalSpy opened(&game->speed(), &GameSpeed::sliderPositionChanged);
    QSignalSpy shown(&game->speed(), &GameSpeed::startScoreShown);
    game->chooseGameSpeed();
    QVERIFY(game->speedWindowOpen());
    QVERIFY(!game->mainWindowEnabled());
    QCOMPARE(opened.value(0).value(0).toInt(), 5);
    QCOMPARE(startScoreShown(shown), 0);
    // Where the slider stands shows, and counts, once the player moves it; then its whole row applies.
    game->setSpeedSliderPosition(position);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(game->speed().startScore(), 0);
    game->followSpeedSlider();
    QCOMPARE(startScoreShown(shown), start.value(0));
    QCOMPARE(game->speed().startScore(), start.value(0));
    QCOMPARE(QList<int>(game->speed().manIntervals().begin(), game->speed().manIntervals().end()),
             start.mid(1));
    if (ok) {
        game->confirmSpeed();
    } else {
        game->cancelSpeed();
    }
    QVERIFY(!game->speedWindowOpen());
    QVERIFY(game->mainWindowEnabled());
    QCOMPARE(game->speed().savedPosition(), ok ? position : 5);

    // Both next games follow the slider's position, however the window was left.
    QCOMPARE(startGame(game), start);
    QCOMPARE(startGame(game), start);

    // Reopened, the window shows the saved position and its start score, which the next game starts with.
    shown.clear();
    game->chooseGameSpeed();
    QCOMPARE(game->speed().sliderPosition(), reopenedAt);
    QCOMPARE(startScoreShown(shown), reopenedScore);
    QVERIFY(!game->mainWindowEnabled());
    game->cancelSpeed();
    QVERIFY(game->mainWindowEnabled());
    QCOMPARE(startGame(game).value(0), reopenedScore);
}

}  // namespace kelvad
