#include "scores/HighScores.h"

#include "scores/HighScoreFile.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/Form3.h"

#include <QLabel>

namespace kelvad {

namespace {

HighScoreFile scoreFile(Form1& form) {
    return HighScoreFile::inProgramDirectory(form.platform().scoreDirectory);
}

}  // namespace

void RefreshHighScoreLabels(Form1& form) {
    Form3& window = form.form3();
    const kelvad::HighScoreTable& table = gameState.HighScoreTable;
    for (int rank = 1; rank <= Form3::kRows; ++rank) {
        window.NA(rank)->setText(table.names[static_cast<std::size_t>(rank - 1)]);
        window.TO(rank)->setText(QString::number(table.scores[static_cast<std::size_t>(rank - 1)]));
    }
}

void LoadHighScores(Form1& form) {
    // A file that cannot be written leaves the defaults in memory: the game goes on without a message.
    gameState.highScoresUnsaved =
        scoreFile(form).load(gameState.HighScoreTable) == HighScoreLoad::DefaultsInMemoryOnly;
    RefreshHighScoreLabels(form);
}

void UpdateHighScores(Form1& form, const std::function<void(HighScoreTable&)>& change) {
    // After a failed write the table is newer than the file, and stays the base of the change. A failed write
    // keeps the change in memory and leaves the old file as it was.
    gameState.highScoresUnsaved =
        !scoreFile(form).update(gameState.HighScoreTable, change, !gameState.highScoresUnsaved);
    RefreshHighScoreLabels(form);
}

void ResetHighScores(Form1& form) {
    gameState.highScoresUnsaved = !scoreFile(form).reset(gameState.HighScoreTable);
    RefreshHighScoreLabels(form);
}

void ReadHighScores(Form1& form) {
    const HighScoreFile file = scoreFile(form);
    // After a failed write the table is newer than the file: reading the file back would lose the entry it
    // could not take, so the table is written first, and kept as it is while that still fails.
    if (gameState.highScoresUnsaved) {
        gameState.highScoresUnsaved = !file.save(gameState.HighScoreTable);
    }
    if (!gameState.highScoresUnsaved) {
        file.reread(gameState.HighScoreTable);
    }
    RefreshHighScoreLabels(form);
}

}  // namespace kelvad
