// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kelvad::platform {
class SoundDevice;
}

namespace kelvad::sound {

// The modes a MIDI device reports, by the numbers the media interface gives them: not open, stopped (played
// to its end), playing, paused.
constexpr int MCI_MODE_NOT_READY = 524;
constexpr int MCI_MODE_STOP = 525;
constexpr int MCI_MODE_PLAY = 526;
constexpr int MCI_MODE_PAUSE = 529;

// The game's sound player: wave effects, and a MIDI tune that can be kept going. The main window makes one
// at start-up and keeps it for the whole run. Nothing here reports a failure to the player: without a device
// or a file, the game is silent.
class SoundPlayer final {
public:
    explicit SoundPlayer(platform::SoundDevice& device);
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Meant to be called now and then by the owner: starts the tune again once it has ended, if asked to.
    void LoopTimer();
    // Starts the sound and returns at once, cutting off the one still playing.
    void PlayWave(const QString& file);
    // Returns when the sound has ended.
    void PlayWaveSync(const QString& file);
    void StopWave();
    // False when nothing could be started.
    bool PlayMidi();
    void StopMidi();
    bool IsRepeet() const { return m_isRepeet; }
    void setIsRepeet(bool bolNewValue) { m_isRepeet = bolNewValue; }
    // The tune's full path, also the name it is opened under. Setting it opens, plays and closes nothing.
    const QString& MidiFileName() const { return m_midiFileName; }
    void setMidiFileName(const QString& strNewValue) { m_midiFileName = strNewValue; }

private:
    int QueryMidiMode(const QString& deviceName) const;
    bool OpenAndPlayMidi(const QString& path);
    bool KeepMidiPlaying(const QString& path);
    void CloseMidi();

    platform::SoundDevice& m_device;
    QString m_midiFileName;
    bool m_isRepeet = false;
    bool m_midiPlaying = false;
};

}  // namespace kelvad::sound
