// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreGames.h"

#include "scores/HighScoreFile.h"
#include "scores/HighScoreFormat.h"
#include "settings/SpeedTable.h"

#include <QDir>
#include <QFile>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <vector>

using namespace Qt::StringLiterals;

namespace kelvad::testing {

ScoreGame::ScoreGame(const std::function<void(TestPlatform&)>& beforeLoad) {
    platform.copyGameFiles();
    if (beforeLoad) {
        beforeLoad(platform);
    }
    m_game = std::make_unique<Game>(platform.platform());
    m_game->load();
}

namespace {

// A game lasts 30.5 s; no man waits longer than 3 s for his jump.
constexpr int kLongestWaitMs = 31000;
constexpr int kStepMs = 50;

bool hit(Game& game, TestPlatform& platform, int man) {
    for (int waited = 0; waited < kLongestWaitMs; waited += kStepMs) {
        if (game.men().man(man).shown && game.men().man(man).enabled) {
            const int hits = game.hitCount();
            game.pressMan(man, Qt::LeftButton);
            return game.hitCount() == hits + 1;
        }
        platform.scheduler.advance(kStepMs);
    }
    return false;
}

}  // namespace

bool playGameScoring(Game& game, TestPlatform& platform, int score) {
    const int position =
        std::clamp((score - kSlowestStartScore) / kStartScorePerStep, kSlowestSpeed, kFastestSpeed);
    const int points = score - speedRow(position)->startScore;
    std::vector<int> men(static_cast<std::size_t>(std::max(points / 30, 0)), 2);
    if (points % 30 != 0) {
        men.push_back(points % 30 / 10 - 1);
    }
    game.chooseGameSpeed();
    game.setSpeedSliderPosition(position);
    game.followSpeedSlider();
    game.confirmSpeed();
    game.chooseGun(3);
    game.chooseStart();
    if (!game.playing() ||
        !std::all_of(men.begin(), men.end(), [&](int man) { return hit(game, platform, man); })) {
        return false;
    }
    for (int waited = 0; game.playing() && waited < kLongestWaitMs; waited += kStepMs) {
        platform.scheduler.advance(kStepMs);
    }
    return !game.playing() && game.score() == score;
}

QByteArray defaultScoreFile() {
    const QByteArray name("\"\x96\xBC\x91\x4F\x82\xC8\x82\xB5\"");
    return name + ',' + name + ',' + name + ',' + name + ',' + name + "\r\n2000,1500,1000,500,0\r\n";
}

QByteArray playedFile() {
    return "\"Ann\",\"Bob\",\"Cy\",\"Di\",\"Ed\"\r\n500,400,300,200,100\r\n";
}

HighScoreTable playedTable() {
    return tableOf({500, 400, 300, 200, 100}, {u"Ann"_s, u"Bob"_s, u"Cy"_s, u"Di"_s, u"Ed"_s});
}

QString scoreFilePath(TestPlatform& platform) {
    return HighScoreFile::inProgramDirectory(platform.platform().scoreDirectory).path();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool writeScoreFile(TestPlatform& platform, const QByteArray& bytes) {
    return writeBytes(scoreFilePath(platform), bytes);
}

QByteArray readScoreFile(TestPlatform& platform) {
    QFile file(scoreFilePath(platform));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::function<void(TestPlatform&)> withScoreFile(const QByteArray& file) {
    return [file](TestPlatform& platform) {
        if (!file.isNull() && !writeScoreFile(platform, file)) {
            qFatal("cannot write the high-score file");
        }
    };
}

QStringList rowsOf(const HighScoreTable& table) {
    QStringList rows;
    for (std::size_t i = 0; i < HighScoreTable::kEntries; ++i) {
        rows << QString::number(table.scores[i]) + u'\t' + table.names[i];
    }
    return rows;
}

QStringList rowsInFile(TestPlatform& platform) {
    const QByteArray bytes = readScoreFile(platform);
    if (const std::optional<HighScoreTable> table = parseHighScores(QByteArrayView(bytes))) {
        return rowsOf(*table);
    }
    return {bytes.isNull() ? u"[no file]"_s : u"[damaged file]"_s};
}

HighScoreTable tableOf(const std::array<qint64, HighScoreTable::kEntries>& scores,
                       const std::array<QString, HighScoreTable::kEntries>& names) {
    HighScoreTable table;
    table.scores = scores;
    table.names = names;
    return table;
}

HighScoreTable defaultNamesBut(const std::array<qint64, HighScoreTable::kEntries>& scores, int rank,
                               const QString& name) {
    HighScoreTable table;
    table.scores = scores;
    if (rank >= 1 && rank <= static_cast<int>(HighScoreTable::kEntries)) {
        table.names[static_cast<std::size_t>(rank - 1)] = name;
    }
    return table;
}

namespace {

// Root writes into any folder while it holds these capabilities.
constexpr unsigned kOverrides = (1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER);

bool capabilities(unsigned* effective, bool set) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, 2> data{};
    if (::syscall(SYS_capget, &header, data.data()) != 0) {
        return false;
    }
    if (!set) {
        *effective = data[0].effective;
        return true;
    }
    data[0].effective = *effective;
    return ::syscall(SYS_capset, &header, data.data()) == 0;
}

}  // namespace

BlockedFolder::BlockedFolder(Obstacle obstacle, const QString& folder, const QByteArray& oldFile)
    : m_folder(folder), m_path(folder + u"/TOKUTEN"_s) {
    if (!oldFile.isNull() && (obstacle == Obstacle::ReadOnlyFolder || obstacle == Obstacle::FullDisk)) {
        writeBytes(m_path, oldFile);
    }
    switch (obstacle) {
        case Obstacle::FolderInFilesPlace:
            QFile::remove(m_path);
            QDir(folder).mkpath(u"TOKUTEN"_s);
            writeBytes(m_path + u"/kept"_s, "kept");
            m_folderInPlace = true;
            break;
        case Obstacle::FolderIsAFile:
            writeBytes(folder + u"/notafolder"_s, "kept");
            m_path = folder + u"/notafolder/TOKUTEN"_s;
            break;
        case Obstacle::ReadOnlyFolder: {
            ::chmod(QFile::encodeName(m_folder).constData(), S_IRUSR | S_IXUSR);
            m_readOnly = true;
            // Root writes into any folder while it holds the overrides: this thread lays them down for a
            // while, as an ordinary player never had them.
            if (capabilities(&m_savedCapabilities, false) && (m_savedCapabilities & kOverrides) != 0) {
                unsigned lowered = m_savedCapabilities & ~kOverrides;
                m_capabilitiesDropped = capabilities(&lowered, true);
            }
            QFile probe(m_folder + u"/probe"_s);
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                m_skipReason = "the folder stays writable here (capabilities cannot be dropped)";
            }
            break;
        }
        case Obstacle::FullDisk: {
            // A file size limit makes every write past a few bytes fail as a full disk does.
            ::getrlimit(RLIMIT_FSIZE, &m_oldFileSizeLimit);
            m_oldSignalHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit tiny = m_oldFileSizeLimit;
            tiny.rlim_cur = 16;
            m_diskFull = true;
            if (::setrlimit(RLIMIT_FSIZE, &tiny) != 0) {
                m_skipReason = "the file size limit cannot be set here";
            }
            break;
        }
    }
}

void BlockedFolder::lift(bool clear) {
    if (m_capabilitiesDropped) {
        capabilities(&m_savedCapabilities, true);
        m_capabilitiesDropped = false;
    }
    if (m_readOnly) {
        ::chmod(QFile::encodeName(m_folder).constData(), S_IRWXU);
        m_readOnly = false;
    }
    if (m_diskFull) {
        ::setrlimit(RLIMIT_FSIZE, &m_oldFileSizeLimit);
        std::signal(SIGXFSZ, m_oldSignalHandler);
        m_diskFull = false;
    }
    if (clear && m_folderInPlace) {
        QDir(m_path).removeRecursively();
        m_folderInPlace = false;
    }
}

}  // namespace kelvad::testing
