// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// The game's command line, as a player or a launcher types it: the built program, run without a display.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answersAndRefusals_data();
    void answersAndRefusals();
};
