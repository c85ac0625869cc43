// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/HighScores.h"

#include "scores/Ranking.h"

namespace kelvad {

HighScores::HighScores(const QString& scoreDirectory)
    : m_file(HighScoreFile::inProgramDirectory(scoreDirectory)) {}

void HighScores::load() {
    m_unsaved = m_file.load(m_table) == HighScoreLoad::DefaultsInMemoryOnly;
    emit tableChanged(m_table);
}

std::optional<WriteFailure> HighScores::enter(const QString& name, qint64 score) {
    // After a failed write the table is newer than the file, and stays the base of the change. The score is
    // ranked again against the table as it is now: with no other copy of the game the rank is the one the
    // name window shows.
    std::optional<WriteFailure> failure = m_file.update(
        m_table, [&](HighScoreTable& table) { insertEntry(table, name, score); }, !m_unsaved);
    m_unsaved = failure.has_value();
    emit tableChanged(m_table);
    return failure;
}

std::optional<WriteFailure> HighScores::reset() {
    std::optional<WriteFailure> failure = m_file.reset(m_table);
    m_unsaved = failure.has_value();
    emit tableChanged(m_table);
    return failure;
}

void HighScores::reread() {
    // Reading the file back would lose the change it could not take.
    if (m_unsaved) {
        m_unsaved = m_file.save(m_table).has_value();
    }
    if (!m_unsaved) {
        m_file.reread(m_table);
    }
    emit tableChanged(m_table);
}

}  // namespace kelvad
