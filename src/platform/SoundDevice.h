// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kelvad::platform {

// What the sound player rests on: wave output and a MIDI sequencer. A MIDI tune is opened under its file's
// path and addressed by that path afterwards. Every call returns at once (playWaveToEnd excepted) and fails
// silently: no device, a missing file or a broken one means silence.
class SoundDevice {
public:
    enum class MidiMode { NotOpen, Playing, Paused, Ended };
    // Why a tune did or did not start: only a MIDI output taken by another program counts as a refusal;
    // any other failure leaves the tune silent, as with a broken file.
    enum class MidiStart { Started, PortInUse, Failed };

    virtual ~SoundDevice() = default;

    virtual bool hasWaveOutput() const = 0;
    // Plays in the background; a sound still playing is cut off by the new one.
    virtual void playWave(const QString& path) = 0;
    // Plays and returns when the sound has ended.
    virtual void playWaveToEnd(const QString& path) = 0;
    virtual void stopWave() = 0;

    virtual bool hasMidiOutput() const = 0;
    virtual bool openMidi(const QString& path) = 0;
    // Plays from the start, or on from where the tune was paused.
    virtual MidiStart playMidi(const QString& path, bool fromStart) = 0;
    virtual void pauseMidi(const QString& path) = 0;
    virtual MidiMode midiMode(const QString& path) const = 0;
    virtual void closeMidi(const QString& path) = 0;
};

}  // namespace kelvad::platform
