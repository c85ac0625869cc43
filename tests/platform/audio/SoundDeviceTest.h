// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The real sound device where no sound server answers, or its module is missing: it says so, and nothing it
// is asked waits.
class SoundDeviceTest : public QObject {
    Q_OBJECT

private slots:
    void reportsNoOutput_data();
    void reportsNoOutput();
    void everyCallReturnsAtOnce();
    void madeAndGoneInABlink();
};

}  // namespace kelvad
