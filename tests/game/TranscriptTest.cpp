// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the transcript's game through the windows and compares what it wrote with the recorded transcript.
// With KELVAD_RECORD_TRANSCRIPT=1 in the environment the test writes the files instead of comparing.
#include "TranscriptTest.h"

#include "GameFixture.h"
#include "GamePlayer.h"
#include "HeadlessGame.h"
#include "LanguageRows.h"
#include "Transcript.h"
#include "WindowPlayer.h"
#include "app/Translation.h"

#include <QFile>
#include <QTest>

using kelvad::testing::GameFixture;

namespace {

QString recordedFile(const QString& language) {
    const QString japanese = QStringLiteral(KELVAD_TRANSCRIPT_FILE);
    return language == QLatin1String("ja") ? japanese
                                           : japanese.chopped(4) + u'-' + language + QStringLiteral(".txt");
}

// The file's own licence header, written in two pieces here so that this source holds no second one.
const QByteArray kHeader =
    "# SPDX-"
    "FileCopyrightText: 2026 The kelvad authors\n"
    "# SPDX-"
    "License-Identifier: GPL-3.0-or-later\n"
    "# Three games as the player sees and hears them, written by tests/game/TranscriptTest.cpp.\n"
    "# '>' the player's step, '@' the virtual time in ms; a window's controls are listed when it opens.\n";

// What a session comes to: the play's numbers before each step and at the end, every sound and every box.
QStringList playAndRecord(kelvad::testing::Player& player, kelvad::Game& game,
                          kelvad::testing::TestPlatform& platform) {
    QStringList record;
    const auto numbers = [&] {
        return QStringLiteral("shots %1 hits %2 kills %3 score %4 rate %5 time %6 bar %7/%8")
            .arg(game.shotCount())
            .arg(game.hitCount())
            .arg(game.killCount())
            .arg(game.score())
            .arg(game.hitRate())
            .arg(game.timeLeft())
            .arg(game.timeBar().value)
            .arg(game.timeBar().max);
    };
    player.listener = [&](const QString& step) { record << numbers() + QStringLiteral(" | ") + step; };
    kelvad::testing::playTranscriptGame(player);
    record << numbers();
    for (const QString& call : platform.soundDevice.calls) {
        record << QString(call).replace(platform.programDirectory(), QStringLiteral("<dir>"));
    }
    for (const kelvad::testing::ShownBox& box : platform.messageBoxes.shown) {
        record << box.title + u'|' + box.text;
    }
    return record;
}

}  // namespace

void TranscriptTest::aWholeSessionPlaysTheSameWithoutWindows() {
    GameFixture windows;
    kelvad::testing::WindowPlayer atTheWindows(windows);
    const QStringList throughWindows = playAndRecord(atTheWindows, windows.game(), windows.platform);

    kelvad::testing::HeadlessGame alone;
    kelvad::testing::GamePlayer atTheGame(*alone, alone.platform);
    const QStringList withoutWindows = playAndRecord(atTheGame, *alone, alone.platform);

    // Every step of the session, its sounds and its boxes.
    QVERIFY(throughWindows.size() > 400);
    for (qsizetype line = 0; line < std::min(throughWindows.size(), withoutWindows.size()); ++line) {
        QCOMPARE(withoutWindows[line], throughWindows[line]);
    }
    QCOMPARE(withoutWindows.size(), throughWindows.size());
}

void TranscriptTest::aWholeSessionIsAsRecorded_data() {
    kelvad::testing::addLanguageRows();
}

void TranscriptTest::aWholeSessionIsAsRecorded() {
    QFETCH(QString, language);
    kelvad::Translation translation;
    QVERIFY(translation.use(language));
    GameFixture game;
    kelvad::testing::Transcript transcript(game.window(), game.platform);
    kelvad::testing::WindowPlayer player(game);
    player.listener = [&](const QString& step) { transcript.note(step); };
    kelvad::testing::playTranscriptGame(player);

    const QByteArray written = kHeader + transcript.lines().join(QLatin1Char('\n')).toUtf8() + '\n';
    QFile file(recordedFile(language));
    if (qEnvironmentVariableIntValue("KELVAD_RECORD_TRANSCRIPT") == 1) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(written), written.size());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QList<QByteArray> expected = file.readAll().split('\n');
    const QList<QByteArray> actual = written.split('\n');
    // Line by line, so that a failure names the first change that differs.
    for (qsizetype line = 0; line < std::min(expected.size(), actual.size()); ++line) {
        QCOMPARE(actual[line], expected[line]);
    }
    QCOMPARE(actual.size(), expected.size());
}
