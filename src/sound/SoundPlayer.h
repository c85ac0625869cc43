// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kelvad::platform {
class SoundDevice;
}

namespace kelvad::sound {

// The game's sound player: wave effects, and a MIDI tune that can be kept going. The main window makes one
// at start-up and keeps it for the whole run. Nothing here reports a failure to the player: without a device
// or a file, the game is silent.
class SoundPlayer final {
public:
    explicit SoundPlayer(platform::SoundDevice& device);
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Meant to be called now and then by the owner: starts the tune again once it has ended, if asked to.
    void keepTuneLooping();
    // Starts the sound and returns at once, cutting off the one still playing.
    void playWave(const QString& file);
    // Returns when the sound has ended.
    void playWaveToEnd(const QString& file);
    void stopWave();
    // False when nothing could be started.
    bool playMidi();
    void stopMidi();
    bool repeats() const { return m_repeats; }
    void setRepeats(bool repeats) { m_repeats = repeats; }
    // The tune's full path, also the name it is opened under. Setting it opens, plays and closes nothing.
    const QString& midiFileName() const { return m_midiFileName; }
    void setMidiFileName(const QString& path) { m_midiFileName = path; }

private:
    bool openAndPlayMidi(const QString& path);
    bool keepMidiPlaying(const QString& path);
    void closeMidi();

    platform::SoundDevice& m_device;
    QString m_midiFileName;
    bool m_repeats = false;
    bool m_midiPlaying = false;
};

}  // namespace kelvad::sound
