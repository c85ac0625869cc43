// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingSoundDevice.h"

namespace kelvad::testing {

void RecordingSoundDevice::record(const QString& call) {
    calls << call;
    if (afterCall) {
        afterCall();
    }
}

void RecordingSoundDevice::playWave(const QString& path) {
    record(QStringLiteral("playWave ") + path);
    if (waveOutput) {
        playingWave = exists(path) ? path : QString();
    }
}

void RecordingSoundDevice::playWaveToEnd(const QString& path) {
    record(QStringLiteral("playWaveToEnd ") + path);
    playingWave.clear();
}

void RecordingSoundDevice::stopWave() {
    record(QStringLiteral("stopWave"));
    playingWave.clear();
}

bool RecordingSoundDevice::openMidi(const QString& path) {
    record(QStringLiteral("openMidi ") + path);
    if (!midiOutput || !exists(path)) {
        return false;
    }
    modes[path] = MidiMode::Paused;
    return true;
}

platform::SoundDevice::MidiStart RecordingSoundDevice::playMidi(const QString& path, bool fromStart) {
    record(QStringLiteral("playMidi ") + path + (fromStart ? QStringLiteral(" from 0") : QString()));
    if (portInUse) {
        return MidiStart::PortInUse;
    }
    if (!modes.contains(path)) {
        return MidiStart::Failed;
    }
    modes[path] = MidiMode::Playing;
    return MidiStart::Started;
}

void RecordingSoundDevice::pauseMidi(const QString& path) {
    record(QStringLiteral("pauseMidi ") + path);
    if (modes.value(path) == MidiMode::Playing) {
        modes[path] = MidiMode::Paused;
    }
}

platform::SoundDevice::MidiMode RecordingSoundDevice::midiMode(const QString& path) const {
    return modes.value(path, MidiMode::NotOpen);
}

void RecordingSoundDevice::closeMidi(const QString& path) {
    record(QStringLiteral("closeMidi ") + path);
    modes.remove(path);
}

}  // namespace kelvad::testing
