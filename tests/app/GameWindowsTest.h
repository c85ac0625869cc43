// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class GameWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theShortcutsReachTheGame_data();
    void theShortcutsReachTheGame();
    void aPressReachesTheGameAsQtDeliversIt_data();
    void aPressReachesTheGameAsQtDeliversIt();
    void theHelpWindowShowsTheHelpFileOrSaysWhyNot();
    void theProgramEnds_data();
    void theProgramEnds();
};
