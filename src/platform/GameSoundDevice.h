// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SoundDevice.h"
#include "platform/TuneSequencer.h"
#include "platform/audio/AudioEngine.h"
#include "platform/audio/WavePlayer.h"

#include <QString>

#include <memory>

namespace kelvad::platform {

// The game's real sound: effects and tune through the sound module, which is loaded off the game's thread
// when startLoading() is called, once the window shows. Until then a tune is kept for it and effects are
// dropped; without the module or a sound server the game is silent.
class GameSoundDevice final : public SoundDevice {
public:
    // The module is looked for in the given folder, the program directory.
    GameSoundDevice(AudioIdentity identity, QString moduleDirectory);
    ~GameSoundDevice() override;
    GameSoundDevice(const GameSoundDevice&) = delete;
    GameSoundDevice& operator=(const GameSoundDevice&) = delete;

    // Once; later calls do nothing.
    void startLoading();

    bool hasWaveOutput() const override { return m_waves.hasOutput(); }
    void playWave(const QString& path) override { m_waves.play(path); }
    void playWaveToEnd(const QString& path) override { m_waves.playToEnd(path); }
    void stopWave() override { m_waves.stop(); }

    bool hasMidiOutput() const override { return m_sequencer.hasOutput(); }
    bool openMidi(const QString& path) override { return m_sequencer.open(path); }
    MidiStart playMidi(const QString& path, bool fromStart) override {
        return m_sequencer.play(path, fromStart);
    }
    void pauseMidi(const QString& path) override { m_sequencer.pause(path); }
    MidiMode midiMode(const QString& path) const override { return m_sequencer.mode(path); }
    void closeMidi(const QString& path) override { m_sequencer.close(path); }

    TuneSequencer& sequencer() { return m_sequencer; }

    // The module's file name in its folder.
    static const char* const moduleName;

private:
    struct Loading;
    std::shared_ptr<Loading> m_loading;
    WavePlayer m_waves;
    TuneSequencer m_sequencer;
};

}  // namespace kelvad::platform
