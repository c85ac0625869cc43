// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kelvad::platform {
class SoundDevice;
}

namespace kelvad::sound {

// The main window's media control that plays the background tune. It is driven like the control it stands
// for: set the file name, then give commands by name ("Open", "Play", "Pause", "Close"). "Play" starts an
// opened tune from its start and a paused one from where it stopped. Commands that do not fit the tune's
// state, and unknown ones, do nothing; so does everything when there is no MIDI output.
class MediaControl final {
public:
    explicit MediaControl(platform::SoundDevice& device);
    MediaControl(const MediaControl&) = delete;
    MediaControl& operator=(const MediaControl&) = delete;

    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& path) { m_fileName = path; }
    // The last command given.
    const QString& command() const { return m_command; }
    void setCommand(const QString& command);

private:
    enum class State { Closed, Opened, Playing, Paused };
    void open();
    void play();
    void pause();
    void close();

    platform::SoundDevice& m_device;
    QString m_fileName;
    QString m_command;
    // The file actually opened: the file name may change while a tune plays.
    QString m_openFile;
    State m_state = State::Closed;
};

}  // namespace kelvad::sound
