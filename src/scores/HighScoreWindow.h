#pragma once

namespace kelvad {

class Form1;

// The high-score menu item: the table, read from the file again, with the main window disabled meanwhile.
void OpenHighScoreWindow(Form1& form);
// OK: back to the ready state, ready for a new game.
void CloseHighScoreWindow(Form1& form);
// The frame's close control: only the main window and its start items come back.
void CloseHighScoreWindowByFrame(Form1& form);
// "初期化", after the player confirms.
void AskResetHighScores(Form1& form);

}  // namespace kelvad
