// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/EndOfGame.h"

#include "scores/NameEntry.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>

#include <array>

namespace kelvad {

std::optional<int> RankOf(qint64 score, const HighScoreTable& table) {
    for (std::size_t i = 0; i < HighScoreTable::kEntries; ++i) {
        if (score > table.scores[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

QString rankWord(int rank) {
    static constexpr std::array<const char*, HighScoreTable::kEntries> words{
        QT_TRANSLATE_NOOP("NameEntry", "一位"), QT_TRANSLATE_NOOP("NameEntry", "二位"),
        QT_TRANSLATE_NOOP("NameEntry", "三位"), QT_TRANSLATE_NOOP("NameEntry", "四位"),
        QT_TRANSLATE_NOOP("NameEntry", "五位")};
    return rank >= 1 && rank <= static_cast<int>(words.size())
               ? QCoreApplication::translate("NameEntry", words[static_cast<std::size_t>(rank - 1)])
               : QString();
}

void OpenEndOfGameWindows(MainWindow& window, GameState& state) {
    window.setEnabled(false);
    if (const std::optional<int> rank = RankOf(state.score, state.highScores)) {
        OpenNameEntry(window, state, *rank);
        return;
    }
    window.highScoreTableWindow().show();
}

}  // namespace kelvad
