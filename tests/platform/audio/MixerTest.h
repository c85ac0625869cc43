// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    // The output holds sound ahead of the listener; a change is mixed into what it has not yet played.
    void aNewEffectStartsInWhatWasHandedOut();
    void aStoppedTuneFadesOutOfWhatWasHandedOut();
};

}  // namespace kelvad
