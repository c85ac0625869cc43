#pragma once

#include <QObject>

class CivilianTest : public QObject {
    Q_OBJECT

private slots:
    void theCivilianTurnsUpEveryTenSecondsForOneAndAHalf();
    void aPressOnTheCivilian_data();
    void aPressOnTheCivilian();
    void aRescueAtAFullBarLengthensTheGame();
    void shootingCiviliansEndsTheGameEarly();
};
