#pragma once

#include <QObject>

namespace kelvad {

// What goes into the game's one stream: the tune, one effect over it, and silence that lets the stream close.
class MixerTest : public QObject {
    Q_OBJECT

private slots:
    void newEffectCutsOffTheOneBefore();
    void tuneAndEffectAddUpToFullScaleAtMost();
    void quietOnceTheTuneIsPausedAndRungOut();
};

}  // namespace kelvad
