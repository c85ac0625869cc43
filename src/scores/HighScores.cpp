#include "scores/HighScores.h"

#include "scores/HighScoreFile.h"
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

void RefreshHighScoreLabels(MainWindow& window) {
    HighScoreTableWindow& tableWindow = window.highScoreTableWindow();
    const kelvad::HighScoreTable& table = gameState.HighScoreTable;
    for (int rank = 1; rank <= HighScoreTableWindow::kRows; ++rank) {
        tableWindow.nameLabel(rank)->setText(table.names[static_cast<std::size_t>(rank - 1)]);
        tableWindow.scoreLabel(rank)->setText(
            QString::number(table.scores[static_cast<std::size_t>(rank - 1)]));
    }
}

void LoadHighScores(MainWindow& window) {
    // A file that cannot be written leaves the defaults in memory: the game goes on without a message.
    gameState.highScoresUnsaved =
        scoreFile(window).load(gameState.HighScoreTable) == HighScoreLoad::DefaultsInMemoryOnly;
    RefreshHighScoreLabels(window);
}

void UpdateHighScores(MainWindow& window, const std::function<void(HighScoreTable&)>& change) {
    // After a failed write the table is newer than the file, and stays the base of the change. A failed write
    // keeps the change in memory and leaves the old file as it was.
    gameState.highScoresUnsaved =
        !scoreFile(window).update(gameState.HighScoreTable, change, !gameState.highScoresUnsaved);
    RefreshHighScoreLabels(window);
}

void ResetHighScores(MainWindow& window) {
    gameState.highScoresUnsaved = !scoreFile(window).reset(gameState.HighScoreTable);
    RefreshHighScoreLabels(window);
}

void ReadHighScores(MainWindow& window) {
    const HighScoreFile file = scoreFile(window);
    // After a failed write the table is newer than the file: reading the file back would lose the entry it
    // could not take, so the table is written first, and kept as it is while that still fails.
    if (gameState.highScoresUnsaved) {
        gameState.highScoresUnsaved = !file.save(gameState.HighScoreTable);
    }
    if (!gameState.highScoresUnsaved) {
        file.reread(gameState.HighScoreTable);
    }
    RefreshHighScoreLabels(window);
}

}  // namespace kelvad
