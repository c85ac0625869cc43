// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SoundDevice.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <functional>

namespace kelvad::testing {

// Records every call, in order, as one line ("playWave /dir/Gun1.Wav", "openMidi /dir/Battle.Mid", ...).
// Tests choose which outputs exist, which files exist, and whether the MIDI port is taken.
class RecordingSoundDevice final : public platform::SoundDevice {
public:
    bool hasWaveOutput() const override { return waveOutput; }
    void playWave(const QString& path) override;
    void playWaveToEnd(const QString& path) override;
    void stopWave() override;

    bool hasMidiOutput() const override { return midiOutput; }
    bool openMidi(const QString& path) override;
    MidiStart playMidi(const QString& path, bool fromStart) override;
    void pauseMidi(const QString& path) override;
    MidiMode midiMode(const QString& path) const override;
    void closeMidi(const QString& path) override;

    // Lets an open tune reach its end.
    void endTune(const QString& path) { modes[path] = MidiMode::Ended; }

    bool waveOutput = true;
    bool midiOutput = true;
    bool portInUse = false;
    // Files the device can play; empty means every file exists.
    QSet<QString> existingFiles;
    QStringList calls;
    // Runs once each call is recorded.
    std::function<void()> afterCall;
    QString playingWave;
    QHash<QString, MidiMode> modes;

private:
    bool exists(const QString& path) const { return existingFiles.isEmpty() || existingFiles.contains(path); }
    void record(const QString& call);
};

}  // namespace kelvad::testing
