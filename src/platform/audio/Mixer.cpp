#include "platform/audio/Mixer.h"

#include "platform/audio/MidiSynth.h"

#include <algorithm>

namespace kelvad::platform {

static_assert(MidiSynth::sampleRate == MixedSound::sampleRate, "the tune is mixed without resampling");

void Mixer::playEffect(std::shared_ptr<const MixedSound> sound) {
    std::lock_guard lock(m_mutex);
    m_effect = std::move(sound);
    m_position = 0;
}

void Mixer::stopEffect() {
    std::lock_guard lock(m_mutex);
    m_effect.reset();
}

bool Mixer::sounding() const {
    {
        std::lock_guard lock(m_mutex);
        if (m_effect) {
            return true;
        }
    }
    return m_tune && m_tune->sounding();
}

void Mixer::mix(float* stereo, int frames) {
    const auto samples = static_cast<size_t>(frames) * MixedSound::channels;
    if (m_tune && m_tune->sounding()) {
        m_tune->render(stereo, frames);
    } else {
        std::fill_n(stereo, samples, 0.0F);
    }
    std::lock_guard lock(m_mutex);
    if (m_effect) {
        const std::vector<float>& effect = m_effect->samples;
        const size_t count = std::min(samples, effect.size() - m_position);
        for (size_t i = 0; i < count; ++i) {
            stereo[i] += effect[m_position + i];
        }
        m_position += count;
        if (m_position >= effect.size()) {
            m_effect.reset();
        }
    }
    for (size_t i = 0; i < samples; ++i) {
        stereo[i] = std::clamp(stereo[i], -1.0F, 1.0F);
    }
}

}  // namespace kelvad::platform
