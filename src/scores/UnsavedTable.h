// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kelvad {

namespace platform {
class MessageBoxes;
}

struct WriteFailure;

// The changes of the high-score table that the player makes and that must reach its file.
enum class TableChange { NewEntry, Reset };

// What the player is told when a change of the table could not be written: that it stays in the table, the
// file's path, why it failed, and that the game writes it again at the next chance.
QString unsavedTableText(TableChange change, const QString& path, const WriteFailure& failure);

// That text in a box over the main window, once for the failed write; a later write that works says nothing.
void tellTableUnsaved(platform::MessageBoxes& boxes, TableChange change, const QString& path,
                      const WriteFailure& failure);

}  // namespace kelvad
