// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuItemsFollowTheStateOfTheGame_data();
    void theMenuItemsFollowTheStateOfTheGame();
    void theVersionMessage();
    void helpOpensTheHelpFileOrSaysWhyNot_data();
    void helpOpensTheHelpFileOrSaysWhyNot();
    void quittingEndsTheProgramWithoutAQuestion();
};
