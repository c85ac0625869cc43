// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/NameEntry.h"

#include "scores/EndOfGame.h"
#include "scores/HighScores.h"
#include "scores/NameEntryText.h"
#include "scores/UnsavedTable.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/TextBox.h"

#include <QCoreApplication>
#include <QLabel>

namespace kelvad {

void OpenNameEntry(MainWindow& window, GameState& state, int rank) {
    NameEntryWindow& entry = window.nameEntryWindow();
    // Each opening starts from the default name, fully selected so that typing replaces it. In another
    // language the box offers that language's word; the table's own entries keep theirs.
    entry.nameBox->setText(QCoreApplication::translate("NameEntry", "名前なし"));
    entry.nameBox->setSelection(0, static_cast<int>(entry.nameBox->text().size()));
    entry.nameBox->setEnabled(true);
    entry.show();
    entry.nameBox->setFocus();
    entry.rankLabel->setText(rankWord(rank));
    state.newRank = rank;
}

std::optional<WriteFailure> InsertEntry(MainWindow& window, GameState& state) {
    // The name as the file will hold it: no double quotes or line breaks, "?" for what it cannot store.
    const QString name = toStoredName(window.nameEntryWindow().nameBox->text());
    const qint64 score = state.score;
    return UpdateHighScores(window, state, [&](HighScoreTable& table) {
        // Ranked again against the table as it is now: another copy of the game may have entered scores since
        // this game ended. With no other copy the rank is the one the name window shows.
        const std::optional<int> rank = RankOf(score, table);
        if (!rank) {
            return;
        }
        const auto k = static_cast<std::size_t>(*rank);
        for (std::size_t i = HighScoreTable::kEntries - 1; i >= k; --i) {
            table.names[i] = table.names[i - 1];
            table.scores[i] = table.scores[i - 1];
        }
        table.names[k - 1] = name;
        table.scores[k - 1] = score;
    });
}

void StorePendingEntry(MainWindow& window, GameState& state) {
    NameEntryWindow& entry = window.nameEntryWindow();
    if (entry.isVisible()) {
        entry.hide();
        // The program is ending: a box would hold it up, and there is no later chance to write.
        InsertEntry(window, state);
    }
}

void ConfirmName(MainWindow& window, GameState& state) {
    NameEntryWindow& entry = window.nameEntryWindow();
    entry.hide();
    const std::optional<WriteFailure> failure = InsertEntry(window, state);
    window.highScoreTableWindow().show();
    if (failure) {
        TellTableUnsaved(window, TableChange::NewEntry, *failure);
    }
}

}  // namespace kelvad
