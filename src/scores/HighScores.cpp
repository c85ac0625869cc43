// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/HighScores.h"

#include "scores/HighScoreFile.h"
#include "scores/UnsavedTable.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"

#include <QLabel>

namespace kelvad {

namespace {

HighScoreFile scoreFile(MainWindow& window) {
    return HighScoreFile::inProgramDirectory(window.platform().scoreDirectory);
}

}  // namespace

void RefreshHighScoreLabels(MainWindow& window, GameState& state) {
    HighScoreTableWindow& tableWindow = window.highScoreTableWindow();
    const kelvad::HighScoreTable& table = state.highScores;
    for (int rank = 1; rank <= HighScoreTableWindow::kRows; ++rank) {
        tableWindow.nameLabel(rank)->setText(table.names[static_cast<std::size_t>(rank - 1)]);
        tableWindow.scoreLabel(rank)->setText(
            QString::number(table.scores[static_cast<std::size_t>(rank - 1)]));
    }
}

void LoadHighScores(MainWindow& window, GameState& state) {
    // A file that cannot be written leaves the defaults in memory: the game goes on without a message.
    state.highScoresUnsaved = scoreFile(window).load(state.highScores) == HighScoreLoad::DefaultsInMemoryOnly;
    RefreshHighScoreLabels(window, state);
}

std::optional<WriteFailure> UpdateHighScores(MainWindow& window, GameState& state,
                                             const std::function<void(HighScoreTable&)>& change) {
    // After a failed write the table is newer than the file, and stays the base of the change. A failed write
    // keeps the change in memory and leaves the old file as it was.
    std::optional<WriteFailure> failure =
        scoreFile(window).update(state.highScores, change, !state.highScoresUnsaved);
    state.highScoresUnsaved = failure.has_value();
    RefreshHighScoreLabels(window, state);
    return failure;
}

void ResetHighScores(MainWindow& window, GameState& state) {
    const std::optional<WriteFailure> failure = scoreFile(window).reset(state.highScores);
    state.highScoresUnsaved = failure.has_value();
    RefreshHighScoreLabels(window, state);
    if (failure) {
        TellTableUnsaved(window, TableChange::Reset, *failure);
    }
}

void ReadHighScores(MainWindow& window, GameState& state) {
    const HighScoreFile file = scoreFile(window);
    // After a failed write the table is newer than the file: reading the file back would lose the entry it
    // could not take, so the table is written first, and kept as it is while that still fails.
    if (state.highScoresUnsaved) {
        state.highScoresUnsaved = file.save(state.highScores).has_value();
    }
    if (!state.highScoresUnsaved) {
        file.reread(state.highScores);
    }
    RefreshHighScoreLabels(window, state);
}

}  // namespace kelvad
