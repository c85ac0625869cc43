#pragma once

#include <QObject>

class BonusPlateTest : public QObject {
    Q_OBJECT

private slots:
    void aFullMeterWaitsForTheNextFiredShot();
    void aShotAtAFullMeterBringsUpOnePlate_data();
    void aShotAtAFullMeterBringsUpOnePlate();
    void aRefusedPressBringsUpNoPlate();
    void clickingAPlateOrItsLabelScoresItsPoints_data();
    void clickingAPlateOrItsLabelScoresItsPoints();
    void aPlateStickingOutOfTheFieldShowsAndTakesClicksOnlyInside();
    void everyPlateGoesThreeSecondsAfterTheLastShowedUp();
    void aMoveOverAPlateLeavesThePointerWhereItWas();
};
