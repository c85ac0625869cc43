// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class LifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void aGameLasts61TicksAndEndsWithTheScoreMessage_data();
    void aGameLasts61TicksAndEndsWithTheScoreMessage();
    void aStartSwitchesEveryControlToPlayingOnlyInTheReadyState_data();
    void aStartSwitchesEveryControlToPlayingOnlyInTheReadyState();
    void answeringNoToTheReturnQuestionChangesNothing();
    void answeringYesReturnsToTheReadyStateAndTheNextStartIsFresh();
    void killsChangeTheBackgroundAndTheStageBonus_data();
    void killsChangeTheBackgroundAndTheStageBonus();
    void aTimeOutHoldsTheClockAndTheMen();
    void theTimeBonusLengthensTheBarBetweenGamesButNotTheGame();
};
