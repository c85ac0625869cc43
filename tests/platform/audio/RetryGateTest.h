// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// How often the sound output may connect again after the server went away: at once, then once a second.
class RetryGateTest : public QObject {
    Q_OBJECT

private slots:
    void firstAttemptGoesThrough();
    void atMostOnceASecond();
};

}  // namespace kelvad
