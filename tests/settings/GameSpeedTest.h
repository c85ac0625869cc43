// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The game speed: what each slider position makes of the start score and the men's rhythms, the speed
// window's slider and its ways out, and what the next games start with.
class GameSpeedTest : public QObject {
    Q_OBJECT

private slots:
    void eachPositionHasItsRow_data();
    void eachPositionHasItsRow();
    void aFirstGameStartsAtZeroAtNormalSpeed();
    void eachWayOutAndTheNextTwoGames_data();
    void eachWayOutAndTheNextTwoGames();
};

}  // namespace kelvad
