#pragma once

#include "platform/FluidSynthSequencer.h"
#include "platform/SoundDevice.h"
#include "platform/WavePlayer.h"

namespace kelvad::platform {

// The game's real sound: wave effects through Qt Multimedia, the tune through FluidSynth. Made after the
// application object; neither half waits for its output at start-up.
class QtFluidSoundDevice final : public SoundDevice {
public:
    QtFluidSoundDevice() = default;
    explicit QtFluidSoundDevice(FluidSynthSequencer::SynthFactory synth) : m_sequencer(std::move(synth)) {}

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

    FluidSynthSequencer& sequencer() { return m_sequencer; }

private:
    WavePlayer m_waves;
    FluidSynthSequencer m_sequencer;
};

}  // namespace kelvad::platform
