// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreGames.h"

#include "game/Lifecycle.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScoreFormat.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kelvad::testing {

QByteArray defaultScoreFile() {
    const QByteArray name("\"\x96\xBC\x91\x4F\x82\xC8\x82\xB5\"");
    return name + ',' + name + ',' + name + ',' + name + ',' + name + "\r\n2000,1500,1000,500,0\r\n";
}

QString scoreFilePath(TestPlatform& platform) {
    return HighScoreFile::inProgramDirectory(platform.platform().scoreDirectory).path();
}

bool writeScoreFile(TestPlatform& platform, const QByteArray& bytes) {
    QFile file(scoreFilePath(platform));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readScoreFile(TestPlatform& platform) {
    QFile file(scoreFilePath(platform));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList rowsOf(const HighScoreTable& table) {
    QStringList rows;
    for (std::size_t i = 0; i < HighScoreTable::kEntries; ++i) {
        rows << QString::number(table.scores[i]) + u'\t' + table.names[i];
    }
    return rows;
}

QStringList rowsInMemory(const GameState& state) {
    return rowsOf(state.highScores);
}

QStringList rowsOnScreen(MainWindow& window) {
    QStringList rows;
    for (int rank = 1; rank <= HighScoreTableWindow::kRows; ++rank) {
        rows << window.highScoreTableWindow().scoreLabel(rank)->text() + u'\t' +
                    window.highScoreTableWindow().nameLabel(rank)->text();
    }
    return rows;
}

QStringList rowsInFile(TestPlatform& platform) {
    const QByteArray bytes = readScoreFile(platform);
    if (const std::optional<HighScoreTable> table = parseHighScores(QByteArrayView(bytes))) {
        return rowsOf(*table);
    }
    return {bytes.isNull() ? QStringLiteral("[no file]") : QStringLiteral("[damaged file]")};
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

void playGameScoring(GameFixture& game, int score, int kills) {
    kelvad::GameState& state = game.state();
    game.clickStart();
    for (int kill = 0; kill < kills; ++kill) {
        CountKill(game.window(), game.state());
    }
    state.score = score;
    // The clock runs out: 60 ticks of time and the 61st that ends the game.
    game.advance(61 * 500);
}

namespace {

constexpr unsigned kOverrides = (1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER);

bool setEffectiveCapabilities(unsigned effective) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, 2> data{};
    if (::syscall(SYS_capget, &header, data.data()) != 0) {
        return false;
    }
    data[0].effective = effective;
    return ::syscall(SYS_capset, &header, data.data()) == 0;
}

unsigned effectiveCapabilities() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, 2> data{};
    return ::syscall(SYS_capget, &header, data.data()) == 0 ? data[0].effective : 0;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& folder) : m_folder(folder) {
    ::chmod(QFile::encodeName(m_folder).constData(), S_IRUSR | S_IXUSR);
    // Root writes into any folder while it holds these capabilities: this thread lays them down for a while,
    // as an ordinary player never had them.
    m_savedEffective = effectiveCapabilities();
    if ((m_savedEffective & kOverrides) != 0) {
        m_capabilitiesDropped = setEffectiveCapabilities(m_savedEffective & ~kOverrides);
    }
    QFile probe(m_folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        m_skipReason = "the folder stays writable here (capabilities cannot be dropped)";
    }
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (m_capabilitiesDropped) {
        setEffectiveCapabilities(m_savedEffective);
    }
    ::chmod(QFile::encodeName(m_folder).constData(), S_IRWXU);
}

}  // namespace kelvad::testing
