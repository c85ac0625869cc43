#pragma once

namespace kelvad {

class Form1;

// The table in memory (gameState.HighScoreTable) and in the file TOKUTEN, kept equal: every change of the
// table rewrites the file at once. Each operation ends by showing the table in the high-score window.

// At start-up: reads the file; a missing or damaged one is replaced by the default table, silently.
void LoadHighScores(Form1& form);
// After a new entry: rewrites the file from the table.
void SaveHighScores(Form1& form);
// The confirmed reset: the default table, written and read back.
void ResetHighScores(Form1& form);
// Opening the table from the menu: reads the file again.
void ReadHighScores(Form1& form);
// The high-score window's ten labels from the table.
void RefreshHighScoreLabels(Form1& form);

}  // namespace kelvad
