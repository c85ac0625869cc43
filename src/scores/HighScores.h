#pragma once

#include <functional>

namespace kelvad {

class Form1;
struct HighScoreTable;

// The table in memory (gameState.HighScoreTable) and in the file TOKUTEN, kept equal: every change of the
// table rewrites the file at once. Each operation ends by showing the table in the high-score window.

// At start-up: reads the file; a missing or damaged one is replaced by the default table, silently.
void LoadHighScores(Form1& form);
// A new entry: the change is made to the table as the file holds it now, which another copy of the game may
// have changed since this one read it, and the file is rewritten at once.
void UpdateHighScores(Form1& form, const std::function<void(HighScoreTable&)>& change);
// The confirmed reset: the default table, written and read back.
void ResetHighScores(Form1& form);
// Opening the table from the menu: reads the file again.
void ReadHighScores(Form1& form);
// The high-score window's ten labels from the table.
void RefreshHighScoreLabels(Form1& form);

}  // namespace kelvad
