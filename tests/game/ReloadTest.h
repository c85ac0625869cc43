// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class ReloadTest : public QObject {
    Q_OBJECT

private slots:
    void theRightButtonReloadsTheGun_data();
    void theRightButtonReloadsTheGun();
    void theThirdGunCannotBeReloaded();
    void aGunChangedWhileAReloadIsPendingGetsThirtyBullets();
    void shotsDuringAPendingReloadCountDown();
    void anEmptyGunDuringAPendingReloadIsRefusedAndTheReloadGoesOn();
    void repeatedRequestsCompleteOnce();
};
