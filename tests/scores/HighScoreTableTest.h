// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The high-score table in a game: the three ways it opens, its OK, its close control and its reset; and its
// file: the first run, a file the game cannot write at start-up or when a change is saved, and another copy
// of the game writing it meanwhile.
class HighScoreTableTest : public QObject {
    Q_OBJECT

private slots:
    void eachWayOutGivesBackTheMainWindow_data();
    void eachWayOutGivesBackTheMainWindow();
    void theResetAsksFirst_data();
    void theResetAsksFirst();
    void afterAResetTheSameScoreRanksFifth();
    void theMenuReadsTheFileAgain();
    void theTableAtTheEndOfAGameIsTheCurrentOne();
    void theFirstRunWritesTheDefaultFile();
    void anUnwritableFileAtStartUp_data();
    void anUnwritableFileAtStartUp();
    void anUnwritableFileAtASave_data();
    void anUnwritableFileAtASave();
    void anEntryAnotherCopyMadeMeanwhileIsKept_data();
    void anEntryAnotherCopyMadeMeanwhileIsKept();
};

}  // namespace kelvad
