// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The speed window: the start score following the slider however the player moves it, and its ways out.
class SpeedWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theStartScoreFollowsTheMouse();
    void eachMoveAndWayOut_data();
    void eachMoveAndWayOut();
};

}  // namespace kelvad
