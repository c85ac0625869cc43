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
