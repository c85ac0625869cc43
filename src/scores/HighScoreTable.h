// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>

namespace kelvad {

// The five best results, rank 1 first. Entries only ever enter by insertion at their rank, so the table is
// ordered without being sorted. A default-constructed table is the one a fresh installation starts with.
struct HighScoreTable {
    static constexpr std::size_t kEntries = 5;

    // The name every entry of a fresh table carries.
    static QString defaultName() { return QStringLiteral("名前なし"); }
    static constexpr std::array<qint64, kEntries> kDefaultScores{2000, 1500, 1000, 500, 0};

    std::array<QString, kEntries> names{defaultName(), defaultName(), defaultName(), defaultName(),
                                        defaultName()};
    std::array<qint64, kEntries> scores = kDefaultScores;

    friend bool operator==(const HighScoreTable&, const HighScoreTable&) = default;
};

}  // namespace kelvad
