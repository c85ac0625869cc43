#include "scores/NameEntry.h"

#include "game/GameState.h"
#include "scores/EndOfGame.h"
#include "scores/HighScores.h"
#include "scores/NameEntryText.h"
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
    kelvad::HighScoreTable& table = gameState.HighScoreTable;
    const int k = gameState.newRank;
    if (k >= 1 && k <= static_cast<int>(HighScoreTable::kEntries)) {
        for (int i = 4; i >= k; --i) {
            table.names[static_cast<std::size_t>(i)] = table.names[static_cast<std::size_t>(i - 1)];
            table.scores[static_cast<std::size_t>(i)] = table.scores[static_cast<std::size_t>(i - 1)];
        }
        // The name as the file will hold it: no double quotes or line breaks, "?" for what it cannot store.
        table.names[static_cast<std::size_t>(k - 1)] = toStoredName(form.form2().Text1->text());
        table.scores[static_cast<std::size_t>(k - 1)] = gameState.score;
        RefreshHighScoreLabels(form);
    }
    SaveHighScores(form);
}

void ConfirmName(Form1& form) {
    Form2& window = form.form2();
    window.hide();
    InsertEntry(form);
    form.form3().show();
}

}  // namespace kelvad
