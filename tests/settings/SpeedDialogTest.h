// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class SpeedDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstGameStartsAtZeroAtNormalSpeed();
    void theStartScoreFollowsTheSlider();
    void eachWayOutOfTheDialogAndTheNextTwoGames_data();
    void eachWayOutOfTheDialogAndTheNextTwoGames();
};
