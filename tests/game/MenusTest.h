// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void shortcutsFollowTheStateOfTheGame_data();
    void shortcutsFollowTheStateOfTheGame();
    void theVersionMessage();
    void helpOpensTheContentsOfTheHelpFile_data();
    void helpOpensTheContentsOfTheHelpFile();
    void aHelpViewerErrorIsShownAndTheGameGoesOn();
    void theHelpWindowShowsTheHelpFileOrSaysWhyNot();
    void exitEndsTheProgram();
};
