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

void SoundPlayer::keepTuneLooping() {
    if (m_midiPlaying && m_repeats) {
        keepMidiPlaying(m_midiFileName);
    }
}

void SoundPlayer::playWave(const QString& file) {
    if (!m_device.hasWaveOutput()) {
        return;
    }
    m_device.playWave(file);
}

void SoundPlayer::playWaveToEnd(const QString& file) {
    if (!m_device.hasWaveOutput()) {
        return;
    }
    m_device.playWaveToEnd(file);
}

void SoundPlayer::stopWave() {
    m_device.stopWave();
}

bool SoundPlayer::playMidi() {
    if (m_midiFileName.isEmpty()) {
        return false;
    }
    return openAndPlayMidi(m_midiFileName);
}

void SoundPlayer::stopMidi() {
    closeMidi();
}

bool SoundPlayer::openAndPlayMidi(const QString& path) {
    bool result = true;
    if (!m_midiFileName.isEmpty()) {
        closeMidi();
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

bool SoundPlayer::keepMidiPlaying(const QString& path) {
    if (path != m_midiFileName) {
        closeMidi();
    }
    if (!m_device.hasMidiOutput()) {
        return false;
    }
    if (m_device.midiMode(path) == MidiMode::NotOpen) {
        return openAndPlayMidi(path);
    }
    if (m_device.midiMode(path) != MidiMode::Ended) {
        return true;
    }
    return m_device.playMidi(m_midiFileName, true) != MidiStart::PortInUse;
}

void SoundPlayer::closeMidi() {
    if (!m_device.hasMidiOutput()) {
        return;
    }
    if (m_device.midiMode(m_midiFileName) == MidiMode::NotOpen) {
        return;
    }
    m_device.closeMidi(m_midiFileName);
    m_midiPlaying = false;
}

}  // namespace kelvad::sound
