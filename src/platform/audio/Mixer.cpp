// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/audio/Mixer.h"

#include "platform/audio/MidiSynth.h"

#include <algorithm>

namespace kelvad::platform {

static_assert(MidiSynth::sampleRate == MixedSound::sampleRate, "the tune is mixed without resampling");

namespace {

constexpr size_t keptSamples = size_t(Mixer::keptFrames) * MixedSound::channels;

}  // namespace

Mixer::Mixer() : m_kept(keptSamples, 0.0F) {}

void Mixer::playEffect(std::shared_ptr<const MixedSound> sound) {
    std::lock_guard lock(m_mutex);
    m_effect = std::move(sound);
    m_effectStart.reset();
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
        if (m_tuneStopped) {
            std::fill_n(stereo, samples, 0.0F);
        }
    } else {
        std::fill_n(stereo, samples, 0.0F);
    }
    // Kept as rendered, before the effect goes over it.
    size_t at = static_cast<size_t>(m_handedOut % keptFrames) * MixedSound::channels;
    for (size_t i = 0; i < samples; ++i) {
        m_kept[at] = stereo[i];
        at = at + 1 == keptSamples ? 0 : at + 1;
    }
    std::lock_guard lock(m_mutex);
    addEffect(stereo, m_handedOut, frames);
    m_handedOut += frames;
}

int Mixer::remix(float* stereo, int frames, bool tuneStopped) {
    frames = static_cast<int>(std::clamp<int64_t>(frames, 0, std::min<int64_t>(keptFrames, m_handedOut)));
    const auto samples = static_cast<size_t>(frames) * MixedSound::channels;
    size_t at = static_cast<size_t>((m_handedOut - frames) % keptFrames) * MixedSound::channels;
    for (size_t i = 0; i < samples; ++i) {
        if (tuneStopped) {
            const auto frame = static_cast<int>(i / MixedSound::channels);
            m_kept[at] *= frame < tuneFadeFrames ? 1.0F - float(frame + 1) / tuneFadeFrames : 0.0F;
        }
        stereo[i] = m_kept[at];
        at = at + 1 == keptSamples ? 0 : at + 1;
    }
    std::lock_guard lock(m_mutex);
    addEffect(stereo, m_handedOut - frames, frames);
    return frames;
}

void Mixer::addEffect(float* stereo, int64_t from, int frames) {
    if (m_effect) {
        if (!m_effectStart) {
            m_effectStart = from;
        }
        const std::vector<float>& effect = m_effect->samples;
        const int64_t first = std::max<int64_t>(from, *m_effectStart);
        const int64_t end = std::min<int64_t>(from + frames, *m_effectStart + m_effect->frames());
        for (int64_t frame = first; frame < end; ++frame) {
            const auto out = static_cast<size_t>(frame - from) * MixedSound::channels;
            const auto in = static_cast<size_t>(frame - *m_effectStart) * MixedSound::channels;
            for (int channel = 0; channel < MixedSound::channels; ++channel) {
                stereo[out + channel] += effect[in + channel];
            }
        }
        if (from + frames >= *m_effectStart + m_effect->frames()) {
            m_effect.reset();
        }
    }
    const auto samples = static_cast<size_t>(frames) * MixedSound::channels;
    for (size_t i = 0; i < samples; ++i) {
        stereo[i] = std::clamp(stereo[i], -1.0F, 1.0F);
    }
}

}  // namespace kelvad::platform
