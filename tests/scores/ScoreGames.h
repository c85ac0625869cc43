// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakePlatform.h"
#include "game/Game.h"
#include "scores/HighScoreTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

#include <array>
#include <functional>
#include <memory>

namespace kelvad::testing {

// The game alone on the fakes, as in HeadlessGame.h, loaded over a program directory that the test prepares
// first: a high-score file, or something in its way.
class ScoreGame {
public:
    explicit ScoreGame(const std::function<void(TestPlatform&)>& beforeLoad = {});
    Game& operator*() { return *m_game; }
    Game* operator->() { return m_game.get(); }

    TestPlatform platform;

private:
    std::unique_ptr<Game> m_game;
};

// A whole game from the start to the score message, played as the player would: the speed window sets the
// highest start score not above the score (-250 to 250 in steps of 50), the third gun hits yellow men (30)
// and one black (10) or blue (20) man for the rest, and the clock runs out. False when the game did not end
// with the score.
bool playGameScoring(Game& game, TestPlatform& platform, int score);
inline bool playGameScoring(ScoreGame& game, int score) {
    return playGameScoring(*game, game.platform, score);
}

// The high-score file of a fresh installation, byte for byte: "名前なし" in code page 932 between quotes,
// five times, then the default scores.
QByteArray defaultScoreFile();
// A table no fresh installation has, low enough for a game to beat, in the file's bytes and in memory.
QByteArray playedFile();
HighScoreTable playedTable();

QString scoreFilePath(TestPlatform& platform);
bool writeBytes(const QString& path, const QByteArray& bytes);
bool writeScoreFile(TestPlatform& platform, const QByteArray& bytes);
// The file's bytes; a null array when there is no file to read.
QByteArray readScoreFile(TestPlatform& platform);
// Puts this file in the program directory before the game loads; a null array leaves the first run's.
std::function<void(TestPlatform&)> withScoreFile(const QByteArray& file);

// A table as the tests compare it: one "score<TAB>name" row per rank, so that QCOMPARE shows the first row
// that differs.
QStringList rowsOf(const HighScoreTable& table);
// The table the file holds, read as the game reads it; a single row saying why when there is none.
QStringList rowsInFile(TestPlatform& platform);
// Five entries, best first, given as scores and names.
HighScoreTable tableOf(const std::array<qint64, HighScoreTable::kEntries>& scores,
                       const std::array<QString, HighScoreTable::kEntries>& names);
// The default names, with one name in place of the default name at a rank (none for rank 0).
HighScoreTable defaultNamesBut(const std::array<qint64, HighScoreTable::kEntries>& scores, int rank,
                               const QString& name);

// What keeps the game from writing its file.
enum class Obstacle { FolderInFilesPlace, FolderIsAFile, ReadOnlyFolder, FullDisk };

// Sets up an obstacle in a folder, over the given old file where the obstacle allows one, for as long as it
// lives or until it is lifted. Some obstacles cannot be made on every machine; skipReason then says why.
class BlockedFolder {
public:
    BlockedFolder(Obstacle obstacle, const QString& folder, const QByteArray& oldFile = {});
    ~BlockedFolder() { lift(); }
    BlockedFolder(const BlockedFolder&) = delete;
    BlockedFolder& operator=(const BlockedFolder&) = delete;

    // The high-score file behind the obstacle.
    const QString& path() const { return m_path; }
    const char* skipReason() const { return m_skipReason; }
    // Writes go through again; clearing also removes a folder in the file's place.
    void lift(bool clear = false);

private:
    QString m_folder;
    QString m_path;
    const char* m_skipReason = nullptr;
    bool m_folderInPlace = false;
    bool m_readOnly = false;
    bool m_capabilitiesDropped = false;
    unsigned m_savedCapabilities = 0;
    bool m_diskFull = false;
    rlimit m_oldFileSizeLimit{};
    void (*m_oldSignalHandler)(int) = nullptr;
};

}  // namespace kelvad::testing
