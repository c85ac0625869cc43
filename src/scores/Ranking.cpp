// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/Ranking.h"

#include <QCoreApplication>

#include <array>

namespace kelvad {

std::optional<int> rankOf(qint64 score, const HighScoreTable& table) {
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

void insertEntry(HighScoreTable& table, const QString& name, qint64 score) {
    const std::optional<int> rank = rankOf(score, table);
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
}

}  // namespace kelvad
