// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void theClientAreaIs430By279AndFixed();
    void theReadyStateAfterLoad();
    void theMenusInTheirOrder();
    void nothingBelowTheVisibleAreaIsShown();
    void controlsAreFoundByTheirDesignNames();
    void theDesignFontsResolveToTheIpaFonts();
    void pictureOnlyControlsHaveAccessibleNames();
    void closingTheWindowLeavesTheScoreFileUntouched();
};
