// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The sound player against a device that records every command.
class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void waves_data();
    void waves();
    void secondWaveCutsTheFirst();
    void playMidi_data();
    void playMidi();
    void playMidiClosesTheTuneBeforeOpeningAgain();
    void stopMidi_data();
    void stopMidi();
    void loopTimer_data();
    void loopTimer();
    void loopTimerAfterStopMidiSendsNothing();
};

}  // namespace kelvad
