// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// Where a finished game's score enters the table, through whole games on the virtual clock.
class RankingTest : public QObject {
    Q_OBJECT

private slots:
    void aScoreEntersAtItsRank_data();
    void aScoreEntersAtItsRank();
    void aScoreWithoutAPlaceShowsTheTable_data();
    void aScoreWithoutAPlaceShowsTheTable();
};

}  // namespace kelvad
