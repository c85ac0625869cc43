// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The high-score file as a game meets it: the first run, a file the game cannot write at start-up or when a
// new entry is saved, another copy of the game writing it meanwhile, and the program ending in every state.
class ScoreFileInGameTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstRunWritesTheDefaultFile();
    void anUnwritableFileAtStartUp_data();
    void anUnwritableFileAtStartUp();
    void anUnwritableFileAtASave_data();
    void anUnwritableFileAtASave();
    void anEntryAnotherCopyMadeMeanwhileIsKept_data();
    void anEntryAnotherCopyMadeMeanwhileIsKept();
    void closingTheMainWindowEndsTheProgramInEveryState_data();
    void closingTheMainWindowEndsTheProgramInEveryState();
};

}  // namespace kelvad
