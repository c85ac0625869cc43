// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The sound player against a device that records every command.
class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void eachStepSendsItsCommands_data();
    void eachStepSendsItsCommands();
};

}  // namespace kelvad
