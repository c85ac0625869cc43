// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// What the small windows do for the handlers wired to them: closing, keys, the slider, the owner, placement,
// and how they stay with the main window on the screen.
class SmallWindowTest : public QObject {
    Q_OBJECT

private slots:
    void closingOnlyHides_data();
    void closingOnlyHides();
    void escapeIsCancel_data();
    void escapeIsCancel();
    void nameBoxReportsKeysBeforeActing_data();
    void nameBoxReportsKeysBeforeActing();
    void nameEntryOpensReadyForTyping();
    void sliderReportsTheHandAfterFollowingIt();
    void staysUsableWhileOwnerIsDisabled();
    void startPositions();
    void mainWindowMakesEachOnce();
    void staysWithTheMainWindow_data();
    void staysWithTheMainWindow();
};

}  // namespace kelvad
