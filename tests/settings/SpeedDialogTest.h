#pragma once

#include <QObject>

class SpeedDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstGameStartsAtZeroAtNormalSpeed();
    void theStartScoreFollowsTheSlider();
    void eachWayOutOfTheDialogAndTheNextTwoGames_data();
    void eachWayOutOfTheDialogAndTheNextTwoGames();
};
