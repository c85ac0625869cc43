#pragma once

namespace kelvad {

class MainWindow;

// The name-entry window, opened for a score that won a place.
void OpenNameEntry(MainWindow& window, int rank);
// OK, Enter in the name box, or the frame's close control: the entry enters the table, the file is
// rewritten and the high-score window shows the table.
void ConfirmName(MainWindow& window);
// When the program ends with the name entry open: the entry is stored as OK stores it, with the name typed so
// far, and the window goes; nothing opens after it.
void StorePendingEntry(MainWindow& window);
// Inserts the entry at its rank in the table as the file holds it now: lower entries move down, the old fifth
// drops out; then the file is rewritten.
void InsertEntry(MainWindow& window);

}  // namespace kelvad
