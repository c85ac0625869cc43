#pragma once

#include "platform/audio/WaveFile.h"

#include <memory>
#include <mutex>

namespace kelvad::platform {

class MidiSynth;

// Mixes the game's sound into one stream: the tune as the synthesizer renders it, and over it one effect at
// a time, a new effect cutting off the one before. Effects come from the game's thread, mix() runs on the
// output's.
class Mixer final {
public:
    // Given before anything plays; without a synthesizer only effects sound.
    void setTune(MidiSynth* tune) { m_tune = tune; }

    void playEffect(std::shared_ptr<const MixedSound> sound);
    void stopEffect();
    // Whether mix() would give anything but silence.
    bool sounding() const;
    // The next frames, interleaved stereo at MixedSound::sampleRate, limited to full scale.
    void mix(float* stereo, int frames);

private:
    MidiSynth* m_tune = nullptr;
    mutable std::mutex m_mutex;
    std::shared_ptr<const MixedSound> m_effect;
    size_t m_position = 0;
};

}  // namespace kelvad::platform
