// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scores/HighScoreFile.h"
#include "scores/HighScoreTable.h"

#include <QObject>

#include <optional>

namespace kelvad {

// The five best results, in memory and in the file TOKUTEN, kept equal: every change of the table rewrites
// the file at once. A change the file could not take stays in the table, which is then newer than the file,
// and is written again at the next chance. Each operation ends by showing the table.
class HighScores final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(HighScores)

public:
    explicit HighScores(const QString& scoreDirectory);

    const HighScoreTable& table() const { return m_table; }
    // The file's full path.
    const QString& path() const { return m_file.path(); }
    // Whether the table holds a change the file could not take.
    bool unsaved() const { return m_unsaved; }

    // At start-up: reads the file. A missing or damaged one is replaced, silently, by the default table; a
    // file that cannot be written leaves the defaults in memory, and the game goes on.
    void load();
    // A new entry, made to the table as the file holds it now (another copy of the game may have changed it
    // since this one read it). Returns why the file could not take it, if it could not; the table keeps it.
    std::optional<WriteFailure> enter(const QString& name, qint64 score);
    // The confirmed reset: the default table, written and read back. Returns why the file could not take it.
    std::optional<WriteFailure> reset();
    // Opening the table from the menu: reads the file again. A change the file could not take is written
    // first, and kept as it is while that still fails.
    void reread();

signals:
    // The table as the high-score window shows it.
    void tableChanged(const kelvad::HighScoreTable& table);

private:
    HighScoreFile m_file;
    HighScoreTable m_table;
    bool m_unsaved = false;
};

}  // namespace kelvad
