// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundPlayer.h"

#include "platform/SoundDevice.h"

#include <QFileInfo>

namespace kelvad::sound {

using MidiMode = platform::SoundDevice::MidiMode;
using MidiStart = platform::SoundDevice::MidiStart;

SoundPlayer::SoundPlayer(platform::SoundDevice& device) : m_device(device) {}

void SoundPlayer::LoopTimer() {
    if (m_midiPlaying && m_isRepeet) {
        KeepMidiPlaying(m_midiFileName);
    }
}

void SoundPlayer::PlayWave(const QString& file) {
    if (!m_device.hasWaveOutput()) {
        return;
    }
    m_device.playWave(file);
}

void SoundPlayer::PlayWaveSync(const QString& file) {
    if (!m_device.hasWaveOutput()) {
        return;
    }
    m_device.playWaveToEnd(file);
}

void SoundPlayer::StopWave() {
    m_device.stopWave();
}

bool SoundPlayer::PlayMidi() {
    if (m_midiFileName.isEmpty()) {
        return false;
    }
    return OpenAndPlayMidi(m_midiFileName);
}

void SoundPlayer::StopMidi() {
    CloseMidi();
}

int SoundPlayer::QueryMidiMode(const QString& deviceName) const {
    switch (m_device.midiMode(deviceName)) {
        case MidiMode::NotOpen:
            return MCI_MODE_NOT_READY;
        case MidiMode::Playing:
            return MCI_MODE_PLAY;
        case MidiMode::Paused:
            return MCI_MODE_PAUSE;
        case MidiMode::Ended:
            return MCI_MODE_STOP;
    }
    return MCI_MODE_NOT_READY;
}

bool SoundPlayer::OpenAndPlayMidi(const QString& path) {
    bool result = true;
    if (!m_midiFileName.isEmpty()) {
        CloseMidi();
    }
    if (!m_device.hasMidiOutput()) {
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    // A failed open is not checked: the play that follows fails too, and only a busy output counts.
    m_device.openMidi(path);
    if (m_device.playMidi(path, false) == MidiStart::PortInUse) {
        result = false;
    } else {
        m_midiPlaying = true;
    }
    return result;
}

bool SoundPlayer::KeepMidiPlaying(const QString& path) {
    if (path != m_midiFileName) {
        CloseMidi();
    }
    if (!m_device.hasMidiOutput()) {
        return false;
    }
    if (QueryMidiMode(path) == MCI_MODE_NOT_READY) {
        return OpenAndPlayMidi(path);
    }
    if (QueryMidiMode(path) != MCI_MODE_STOP) {
        return true;
    }
    return m_device.playMidi(m_midiFileName, true) != MidiStart::PortInUse;
}

void SoundPlayer::CloseMidi() {
    if (!m_device.hasMidiOutput()) {
        return;
    }
    if (QueryMidiMode(m_midiFileName) == MCI_MODE_NOT_READY) {
        return;
    }
    m_device.closeMidi(m_midiFileName);
    m_midiPlaying = false;
}

}  // namespace kelvad::sound
