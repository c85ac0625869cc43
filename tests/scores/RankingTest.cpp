// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RankingTest.h"

#include "ScoreGames.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/TextBox.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace kelvad {

using testing::GameFixture;
using testing::TestPlatform;

namespace {

// A table with the largest and the smallest score a file can hold, as 20-digit numbers clamp to them.
const QByteArray kWideScores =
    "\"top\",\"second\",\"third\",\"fourth\",\"last\"\r\n"
    "99999999999999999999,40000,1500,1000,-99999999999999999999\r\n";
constexpr qint64 kLargest = std::numeric_limits<qint64>::max();
constexpr qint64 kSmallest = std::numeric_limits<qint64>::min();

std::function<void(TestPlatform&)> withScoreFile(const QByteArray& file) {
    return [file](TestPlatform& platform) {
        if (!file.isNull()) {
            QVERIFY(testing::writeScoreFile(platform, file));
        }
    };
}

}  // namespace

void RankingTest::aScoreEntersAtItsRank_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("rankWord");
    QTest::addColumn<HighScoreTable>("after");

    const QByteArray fresh;
    using testing::defaultNamesBut;
    QTest::newRow("1 against the defaults: fifth")
        << fresh << 1 << 5 << u"五位"_s << defaultNamesBut({2000, 1500, 1000, 500, 1}, 5, u"Ace"_s);
    QTest::newRow("500 ties the fourth: fifth, below it")
        << fresh << 500 << 5 << u"五位"_s << defaultNamesBut({2000, 1500, 1000, 500, 500}, 5, u"Ace"_s);
    QTest::newRow("1500 ties the second: third, below it")
        << fresh << 1500 << 3 << u"三位"_s << defaultNamesBut({2000, 1500, 1500, 1000, 500}, 3, u"Ace"_s);
    QTest::newRow("1999: second") << fresh << 1999 << 2 << u"二位"_s
                                  << defaultNamesBut({2000, 1999, 1500, 1000, 500}, 2, u"Ace"_s);
    QTest::newRow("2000 ties the first: second, below it")
        << fresh << 2000 << 2 << u"二位"_s << defaultNamesBut({2000, 2000, 1500, 1000, 500}, 2, u"Ace"_s);
    QTest::newRow("2001 beats all: first, the old fifth gone")
        << fresh << 2001 << 1 << u"一位"_s << defaultNamesBut({2001, 2000, 1500, 1000, 500}, 1, u"Ace"_s);

    using testing::tableOf;
    QTest::newRow("40001 against 40000 from the file: second")
        << kWideScores << 40001 << 2 << u"二位"_s
        << tableOf({kLargest, 40001, 40000, 1500, 1000},
                   {u"top"_s, u"Ace"_s, u"second"_s, u"third"_s, u"fourth"_s});
    QTest::newRow("39999 against 40000 from the file: third")
        << kWideScores << 39999 << 3 << u"三位"_s
        << tableOf({kLargest, 40000, 39999, 1500, 1000},
                   {u"top"_s, u"second"_s, u"Ace"_s, u"third"_s, u"fourth"_s});
    QTest::newRow("-250 against a 20-digit negative fifth: fifth")
        << kWideScores << -250 << 5 << u"五位"_s
        << tableOf({kLargest, 40000, 1500, 1000, -250},
                   {u"top"_s, u"second"_s, u"third"_s, u"fourth"_s, u"Ace"_s});
}

void RankingTest::aScoreEntersAtItsRank() {
    QFETCH(QByteArray, file);
    QFETCH(int, score);
    QFETCH(int, rank);
    QFETCH(QString, rankWord);
    QFETCH(HighScoreTable, after);
    GameFixture game(withScoreFile(file));
    MainWindow& window = game.window();
    kelvad::GameState& state = game.state();

    testing::playGameScoring(game, score);
    QCOMPARE(game.platform.messageBoxes.shown.back().text, u"あなたの得点は%1点です！"_s.arg(score));
    NameEntryWindow& entry = window.nameEntryWindow();
    QVERIFY(entry.isVisible());
    QVERIFY(!window.highScoreTableWindow().isVisible());
    QVERIFY(!window.isEnabled());
    QCOMPARE(entry.rankLabel->text(), rankWord);
    QCOMPARE(state.newRank, rank);

    QTest::keyClicks(entry.nameBox, u"Ace"_s);
    QTest::keyClick(entry.nameBox, Qt::Key_Return);
    QVERIFY(!entry.isVisible());
    QVERIFY(window.highScoreTableWindow().isVisible());
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(after));
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(after));
    QCOMPARE(testing::rowsInFile(game.platform), testing::rowsOf(after));
}

void RankingTest::aScoreWithoutAPlaceShowsTheTable_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("score");

    const QByteArray defaults = testing::defaultScoreFile();
    QTest::newRow("0 ties the fifth default") << defaults << 0;
    QTest::newRow("-250, the lowest start score") << defaults << -250;
    QTest::newRow("999 under a fifth of 1000")
        << QByteArray(defaults).replace("1000,500,0", "1000,1000,1000") << 999;
}

void RankingTest::aScoreWithoutAPlaceShowsTheTable() {
    QFETCH(QByteArray, file);
    QFETCH(int, score);
    GameFixture game(withScoreFile(file));
    MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    const HighScoreTable before = state.highScores;

    testing::playGameScoring(game, score);
    QVERIFY(window.highScoreTableWindow().isVisible());
    QVERIFY(!window.isEnabled());
    // No name entry was opened at all.
    QVERIFY(!window.findChild<NameEntryWindow*>());
    QCOMPARE(testing::rowsInMemory(game.state()), testing::rowsOf(before));
    QCOMPARE(testing::rowsOnScreen(window), testing::rowsOf(before));
    QCOMPARE(testing::readScoreFile(game.platform), file);
}

}  // namespace kelvad
