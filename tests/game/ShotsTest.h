// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class ShotsTest : public QObject {
    Q_OBJECT

private slots:
    void theHitRateRoundsHalvesToEven_data();
    void theHitRateRoundsHalvesToEven();
    void eightShotsEmptyTheFirstGunRightToLeftAndTheNinthIsRefused();
    void rightAndMiddlePresses();
    void thePressedManTakesNoPressWhileTheMarkIsDrawn();
    void theMarkIsDrawnAroundThePointerAndWipedFrameByFrame();
    void aGunWithAGaugeShowsItsCountAndBarUntilItsNextGame_data();
    void aGunWithAGaugeShowsItsCountAndBarUntilItsNextGame();
};
