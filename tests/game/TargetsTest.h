// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class TargetsTest : public QObject {
    Q_OBJECT

private slots:
    void theMenFirstShowUpInTheirOrder_data();
    void theMenFirstShowUpInTheirOrder();
    void aHitScoresTheManPlusTheStageBonus_data();
    void aHitScoresTheManPlusTheStageBonus();
    void aManNotHitJumpsAtEveryTick();
};
