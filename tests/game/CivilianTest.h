// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class CivilianTest : public QObject {
    Q_OBJECT

private slots:
    void theCivilianTurnsUpEveryTenSecondsForOneAndAHalf();
    void aPressOnTheCivilian_data();
    void aPressOnTheCivilian();
    void rescuingOrShootingHimChangesTheLengthOfTheGame_data();
    void rescuingOrShootingHimChangesTheLengthOfTheGame();
};
