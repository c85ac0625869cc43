// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameFixture.h"
#include "state/GameState.h"
#include "state/HighScoreTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace kelvad::testing {

// The high-score file of a fresh installation, byte for byte: "名前なし" in code page 932 between quotes,
// five times, then the default scores.
QByteArray defaultScoreFile();

QString scoreFilePath(TestPlatform& platform);
bool writeScoreFile(TestPlatform& platform, const QByteArray& bytes);
// The file's bytes; a null array when there is no file to read.
QByteArray readScoreFile(TestPlatform& platform);
// A table as the tests compare it: one "score<TAB>name" row per rank, so that QCOMPARE shows the first row
// that differs.
QStringList rowsOf(const HighScoreTable& table);
// The table in the game's memory.
QStringList rowsInMemory(const GameState& state);
// The table as the high-score window shows it, exactly as its labels read.
QStringList rowsOnScreen(MainWindow& window);
// The table the file holds, read as the game reads it; a single row saying why when there is none.
QStringList rowsInFile(TestPlatform& platform);

// Five entries, best first, given as scores and names.
HighScoreTable tableOf(const std::array<qint64, HighScoreTable::kEntries>& scores,
                       const std::array<QString, HighScoreTable::kEntries>& names);
// The default table with one name in place of the default name at a rank (none for rank 0).
HighScoreTable defaultNamesBut(const std::array<qint64, HighScoreTable::kEntries>& scores, int rank,
                               const QString& name);

// A whole game on the virtual clock, from the Start button to the score message, ending with this score
// after so many men hit.
void playGameScoring(GameFixture& game, int score, int kills = 0);

// A folder in which nothing can be created, renamed or removed, for as long as it lives, even for root.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Why the folder could not be made read-only here; nullptr when it is.
    const char* skipReason() const { return m_skipReason; }

private:
    QString m_folder;
    const char* m_skipReason = nullptr;
    bool m_capabilitiesDropped = false;
    unsigned m_savedEffective = 0;
};

}  // namespace kelvad::testing
