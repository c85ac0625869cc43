// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class BonusPlateTest : public QObject {
    Q_OBJECT

private slots:
    void aFullMeterWaitsForTheNextFiredShot();
    void aShotAtAFullMeterBringsUpOnePlate_data();
    void aShotAtAFullMeterBringsUpOnePlate();
    void clickingAPlateScoresItsPoints_data();
    void clickingAPlateScoresItsPoints();
    void everyPlateGoesThreeSecondsAfterTheLastShowedUp();
};
