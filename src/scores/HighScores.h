#pragma once

#include <functional>

namespace kelvad {

class MainWindow;
struct HighScoreTable;

// The table in memory (gameState.HighScoreTable) and in the file TOKUTEN, kept equal: every change of the
// table rewrites the file at once. Each operation ends by showing the table in the high-score window.

// At start-up: reads the file; a missing or damaged one is replaced by the default table, silently.
void LoadHighScores(MainWindow& window);
// A new entry: the change is made to the table as the file holds it now, which another copy of the game may
// have changed since this one read it, and the file is rewritten at once.
void UpdateHighScores(MainWindow& window, const std::function<void(HighScoreTable&)>& change);
// The confirmed reset: the default table, written and read back.
void ResetHighScores(MainWindow& window);
// Opening the table from the menu: reads the file again.
void ReadHighScores(MainWindow& window);
// The high-score window's ten labels from the table.
void RefreshHighScoreLabels(MainWindow& window);

}  // namespace kelvad
