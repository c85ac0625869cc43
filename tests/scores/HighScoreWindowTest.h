// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The high-score window: the three ways it opens, its OK, its close control and its reset.
class HighScoreWindowTest : public QObject {
    Q_OBJECT

private slots:
    void okGivesBackTheReadyState_data();
    void okGivesBackTheReadyState();
    void theCloseControlGivesBackOnlyTheStartItems_data();
    void theCloseControlGivesBackOnlyTheStartItems();
    void theResetAsksFirst_data();
    void theResetAsksFirst();
    void afterAResetAScoreOf1RanksFifth();
    void theMenuReadsTheFileAgain();
    void theTableAtTheEndOfAGameIsTheCurrentOne();
};

}  // namespace kelvad
