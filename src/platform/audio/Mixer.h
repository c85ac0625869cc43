// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/audio/WaveFile.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace kelvad::platform {

class MidiSynth;

// Mixes the game's sound into one stream: the tune as the synthesizer renders it, and over it one effect at
// a time, a new effect cutting off the one before. The output holds a good part of a second ahead of the
// listener, so that it wakes seldom; a shot must still be heard at once. So the mixer keeps the tune it has
// handed out but not yet had heard, and mixes the last of it again when an effect starts or stops or the
// tune stops (remix()). Effects come from the game's thread, mix() runs on the output's; the output calls
// remix() and the tune's calls right after the change, under the same lock as mix().
class Mixer final {
public:
    // The most remix() can reach back: more than the output ever holds ahead.
    static constexpr int keptFrames = MixedSound::sampleRate / 2;
    // The tune fades out over this when it stops in what was already handed out, so that it ends without
    // a click.
    static constexpr int tuneFadeFrames = MixedSound::sampleRate / 500;

    Mixer();

    // Given before anything plays; without a synthesizer only effects sound.
    void setTune(MidiSynth* tune) { m_tune = tune; }

    void playEffect(std::shared_ptr<const MixedSound> sound);
    void stopEffect();
    // The tune was paused or closed, or plays again. What the synthesizer still renders after a stop (its
    // chorus's last echoes) is left out until the tune plays again: the listener has heard the tune fade
    // already, from remix().
    void tuneStopped() { m_tuneStopped = true; }
    void tuneStarted() { m_tuneStopped = false; }
    // Whether mix() would give anything but silence.
    bool sounding() const;
    // The next frames, interleaved stereo at MixedSound::sampleRate, limited to full scale.
    void mix(float* stereo, int frames);
    // The last `frames` frames handed out, mixed again as they are to sound now: an effect given since the
    // last mix starts at the first of them, a stopped one is gone from there, and with `tuneStopped` the
    // tune fades out there. At most keptFrames and the frames handed out so far are mixed again; returns
    // how many.
    int remix(float* stereo, int frames, bool tuneStopped = false);

private:
    // Adds the effect to `frames` frames of tune that begin at frame `from` of all handed out, and limits
    // them; with the lock held.
    void addEffect(float* stereo, int64_t from, int frames);

    MidiSynth* m_tune = nullptr;
    mutable std::mutex m_mutex;
    std::shared_ptr<const MixedSound> m_effect;
    // The frame of all handed out at which the effect begins; none until it is first mixed.
    std::optional<int64_t> m_effectStart;
    // The tune as handed out, a ring of the last keptFrames frames.
    std::vector<float> m_kept;
    int64_t m_handedOut = 0;
    bool m_tuneStopped = false;
};

}  // namespace kelvad::platform
