#pragma once

#include <QObject>

namespace kelvad {

class WaveTest : public QObject {
    Q_OBJECT

private slots:
    void effect_data();
    void effect();
    void gunsSoundDifferent();
};

class TuneTest : public QObject {
    Q_OBJECT

private slots:
    void readerFollowsTheTempoMap();
    void battleCoversAGame();
};

}  // namespace kelvad
