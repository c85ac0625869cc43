// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NameEntryTest.h"

#include "PhaseControls.h"
#include "ScoreGames.h"
#include "scores/HighScoreFormat.h"
#include "scores/Ranking.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace kelvad {

using testing::defaultNamesBut;
using testing::rowsOf;
using testing::ScoreGame;
using testing::tableOf;

namespace {

// A table with the largest and the smallest score a file can hold, as 20-digit numbers clamp to them.
const QByteArray kWideScores =
    "\"top\",\"second\",\"third\",\"fourth\",\"last\"\r\n"
    "99999999999999999999,40000,1500,1000,-99999999999999999999\r\n";
constexpr qint64 kLargest = std::numeric_limits<qint64>::max();

// How the player leaves the name entry; the frame's close control is OK to the game.
enum class Way { Ok, Return, KeypadEnter, Quit };

void leave(Game& game, Way way) {
    switch (way) {
        case Way::Ok:
            game.confirmName();
            break;
        case Way::Return:
            game.pressKeyInName(Qt::Key_Return);
            break;
        case Way::KeypadEnter:
            game.pressKeyInName(Qt::Key_Enter);
            break;
        case Way::Quit:
            game.quit();
            break;
    }
}

// The file the game writes for the default table after a game scoring 10 entered a name, from the name's
// bytes between its quotes.
QByteArray fileWithFifthName(const QByteArray& nameBytes) {
    const QByteArray defaultName("\"\x96\xBC\x91\x4F\x82\xC8\x82\xB5\",");
    return defaultName.repeated(4) + '"' + nameBytes + "\"\r\n2000,1500,1000,500,10\r\n";
}

}  // namespace

void NameEntryTest::aScoreEntersAtItsRank_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("score");
    // 0 for no place.
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("rankWord");
    QTest::addColumn<HighScoreTable>("after");

    const QByteArray fresh;
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
    QTest::newRow("0 ties the fifth default: no place") << fresh << 0 << 0 << QString() << HighScoreTable{};
    QTest::newRow("-250, the lowest start score: no place")
        << fresh << -250 << 0 << QString() << HighScoreTable{};
    QTest::newRow("999 under a fifth of 1000: no place")
        << testing::defaultScoreFile().replace("1000,500,0", "1000,1000,1000") << 999 << 0 << QString()
        << defaultNamesBut({2000, 1500, 1000, 1000, 1000}, 0, {});

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

void NameEntryTest::aScoreEntersAtItsRank() {
    QFETCH(QByteArray, file);
    QFETCH(int, score);
    QFETCH(int, rank);
    QFETCH(QString, rankWord);
    QFETCH(HighScoreTable, after);
    testing::TestPlatform platform;
    testing::withScoreFile(file)(platform);
    HighScores scores(platform.platform().scoreDirectory);
    scores.load();

    const std::optional<int> place = rankOf(score, scores.table());
    QCOMPARE(place.value_or(0), rank);
    QCOMPARE(kelvad::rankWord(rank), rankWord);
    if (place) {
        QVERIFY(!scores.enter(u"Ace"_s, score));
        QCOMPARE(testing::rowsInFile(platform), rowsOf(after));
    }
    QCOMPARE(rowsOf(scores.table()), rowsOf(after));
}

void NameEntryTest::everyEntryStartsFromTheDefaultName() {
    const HighScoreTable low = defaultNamesBut({300, 200, 100, 50, 0}, 0, {});
    ScoreGame game(testing::withScoreFile(formatHighScores(low).value()));
    QSignalSpy opened(&game->nameEntry(), &NameEntry::opened);
    for (const auto& [score, word] :
         {std::pair(10, u"五位"_s), std::pair(20, u"五位"_s), std::pair(350, u"一位"_s)}) {
        const QByteArray fileBefore = testing::readScoreFile(game.platform);
        QVERIFY(testing::playGameScoring(game, score));
        QCOMPARE(game.platform.messageBoxes.shown.back().text, u"あなたの得点は%1点です！"_s.arg(score));
        QCOMPARE(opened.takeFirst(), (QVariantList{word, u"名前なし"_s}));
        QVERIFY(!game->highScoreTableOpen());
        // Nothing reaches the file before the name is given.
        QCOMPARE(testing::readScoreFile(game.platform), fileBefore);
        QCOMPARE(game->nameEntry().typedName(), u"名前なし"_s);
        game->typeName(u"Kel"_s);
        game->confirmName();
        game->confirmTable();
        QVERIFY(game->mainWindowEnabled());
    }
    QCOMPARE(rowsOf(game->highScores().table()),
             rowsOf(defaultNamesBut({350, 300, 200, 100, 50}, 1, u"Kel"_s)));
}

void NameEntryTest::eachWayOfLeavingStoresTheEntryOnce_data() {
    QTest::addColumn<Way>("way");
    QTest::newRow("OK, or the frame's close control") << Way::Ok;
    QTest::newRow("Enter") << Way::Return;
    QTest::newRow("Enter on the keypad") << Way::KeypadEnter;
    // The program ends: the name typed so far is stored, and nothing opens after it.
    QTest::newRow("quitting") << Way::Quit;
}

void NameEntryTest::eachWayOfLeavingStoresTheEntryOnce() {
    QFETCH(Way, way);
    ScoreGame game(testing::withScoreFile(testing::playedFile()));
    QVERIFY(testing::playGameScoring(game, 300));
    QSignalSpy closed(&game->nameEntry(), &NameEntry::closed);
    QSignalSpy shown(&game->highScores(), &HighScores::tableChanged);
    QSignalSpy quitting(&*game, &Game::quitRequested);
    game->typeName(u"Ace"_s);
    game->pressKeyInName(Qt::Key_Escape);
    QVERIFY2(game->nameEntry().pending(), "only Enter confirms");

    leave(*game, way);
    // Nothing is left for a second try to store.
    leave(*game, way);
    QVERIFY(!game->nameEntry().pending());
    QCOMPARE(closed.size(), 1);
    // 300 ties the third: fourth, below it.
    const HighScoreTable after =
        tableOf({500, 400, 300, 300, 200}, {u"Ann"_s, u"Bob"_s, u"Cy"_s, u"Ace"_s, u"Di"_s});
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(after));
    QCOMPARE(rowsOf(shown.constLast().at(0).value<HighScoreTable>()), rowsOf(after));
    QCOMPARE(testing::rowsInFile(game.platform), rowsOf(after));
    QCOMPARE(quitting.isEmpty(), way != Way::Quit);
    // The table follows, and only leaving it gives the main window back.
    QVERIFY(!game->mainWindowEnabled());
    QCOMPARE(game->highScoreTableOpen(), way != Way::Quit);
    if (way != Way::Quit) {
        game->confirmTable();
        QCOMPARE(testing::controlStates(*game), testing::readyControls());
    }
}

void NameEntryTest::theNameIsStoredAsTheFileReadsItBack_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("nameBytes");

    QTest::newRow("the empty name: two adjacent quotes") << QString() << QString() << QByteArray("");
    QTest::newRow("spaces around the name kept") << u"  Ace  "_s << u"  Ace  "_s << QByteArray("  Ace  ");
    QTest::newRow("a comma kept") << u"A,B"_s << u"A,B"_s << QByteArray("A,B");
    QTest::newRow("a double quote dropped") << u"say \"hi\""_s << u"say hi"_s << QByteArray("say hi");
    QTest::newRow("a pasted line break dropped")
        << u"two\nlines\r\n"_s << u"twolines"_s << QByteArray("twolines");
    QTest::newRow("Japanese") << u"ケルバド"_s << u"ケルバド"_s
                              << QByteArray("\x83\x50\x83\x8B\x83\x6F\x83\x68");
    QTest::newRow("half-width katakana")
        << u"ｹﾙﾊﾞﾄﾞ"_s << u"ｹﾙﾊﾞﾄﾞ"_s << QByteArray("\xB9\xD9\xCA\xDE\xC4\xDE");
    QTest::newRow("the wave dash 〜 stored and shown as ～")
        << u"A\u301CB"_s << u"A\uFF5EB"_s << QByteArray("A\x81`B");
    QTest::newRow("an emoji stored as ?") << u"A\U0001F600B"_s << u"A?B"_s << QByteArray("A?B");
}

void NameEntryTest::theNameIsStoredAsTheFileReadsItBack() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QByteArray, nameBytes);
    ScoreGame game;
    QVERIFY(testing::playGameScoring(game, 10));
    game->typeName(typed);
    game->confirmName();

    const HighScoreTable after = defaultNamesBut({2000, 1500, 1000, 500, 10}, 5, stored);
    QCOMPARE(rowsOf(game->highScores().table()), rowsOf(after));
    QCOMPARE(testing::readScoreFile(game.platform), fileWithFifthName(nameBytes));
    QCOMPARE(testing::rowsInFile(game.platform), rowsOf(after));
}

}  // namespace kelvad
