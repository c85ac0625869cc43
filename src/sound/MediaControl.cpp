// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MediaControl.h"

#include "platform/SoundDevice.h"

namespace kelvad::sound {

MediaControl::MediaControl(platform::SoundDevice& device) : m_device(device) {}

void MediaControl::setCommand(const QString& command) {
    m_command = command;
    const QString given = command.trimmed();
    const auto is = [&given](const char* name) {
        return given.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("Open")) {
        open();
    } else if (is("Play")) {
        play();
    } else if (is("Pause")) {
        pause();
    } else if (is("Close")) {
        close();
    }
}

void MediaControl::open() {
    close();
    if (m_fileName.isEmpty() || !m_device.hasMidiOutput()) {
        return;
    }
    if (m_device.openMidi(m_fileName)) {
        m_openFile = m_fileName;
        m_state = State::Opened;
    }
}

void MediaControl::play() {
    if (m_state != State::Opened && m_state != State::Paused) {
        return;
    }
    const bool fromStart = m_state == State::Opened;
    if (m_device.playMidi(m_openFile, fromStart) == platform::SoundDevice::MidiStart::Started) {
        m_state = State::Playing;
    }
}

void MediaControl::pause() {
    if (m_state != State::Playing) {
        return;
    }
    m_device.pauseMidi(m_openFile);
    m_state = State::Paused;
}

void MediaControl::close() {
    if (m_state == State::Closed) {
        return;
    }
    m_device.closeMidi(m_openFile);
    m_openFile.clear();
    m_state = State::Closed;
}

}  // namespace kelvad::sound
