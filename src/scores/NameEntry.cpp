#include "scores/NameEntry.h"

#include "scores/EndOfGame.h"
#include "scores/HighScores.h"
#include "scores/NameEntryText.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/TextBox.h"

#include <QLabel>

namespace kelvad {

void OpenNameEntry(Form1& form, int rank) {
    Form2& window = form.form2();
    // Each opening starts from the default name, fully selected so that typing replaces it.
    window.Text1->setText(HighScoreTable::defaultName());
    window.Text1->setSelection(0, static_cast<int>(window.Text1->text().size()));
    window.Text1->setEnabled(true);
    window.show();
    window.Text1->setFocus();
    window.Label2->setText(rankWord(rank));
    gameState.newRank = rank;
}

void InsertEntry(Form1& form) {
    // The name as the file will hold it: no double quotes or line breaks, "?" for what it cannot store.
    const QString name = toStoredName(form.form2().Text1->text());
    const qint64 score = gameState.score;
    UpdateHighScores(form, [&](HighScoreTable& table) {
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

void StorePendingEntry(Form1& form) {
    Form2& window = form.form2();
    if (window.isVisible()) {
        window.hide();
        InsertEntry(form);
    }
}

void ConfirmName(Form1& form) {
    Form2& window = form.form2();
    window.hide();
    InsertEntry(form);
    form.form3().show();
}

}  // namespace kelvad
