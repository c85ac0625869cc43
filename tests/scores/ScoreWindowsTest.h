// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The name entry and the table as the player meets them in their windows, and the program ending with any of
// its windows open.
class ScoreWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void aNameTypedInTheBoxReachesTheTable_data();
    void aNameTypedInTheBoxReachesTheTable();
    void theTableWindowShowsTheTable();
    void closingTheMainWindowEndsTheProgramInEveryState_data();
    void closingTheMainWindowEndsTheProgramInEveryState();
};

}  // namespace kelvad
