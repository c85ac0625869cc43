// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/audio/WaveFile.h"

#include <memory>

namespace kelvad::platform {

class TuneSynth;

// How the game names itself to the sound server: the desktop's mixer shows it by these.
struct AudioIdentity {
    const char* name;
    const char* iconName;
};

// The game's one voice: effects and the tune mixed into a single stream of the sound server. It lives in a
// module of its own, loaded once the window shows: the synthesizer and the sound server's client library
// pull in a few dozen libraries that the first paint does not need. The stream is open only while something
// sounds.
class AudioEngine {
public:
    virtual ~AudioEngine() = default;

    // The tune's synthesizer, playing into the same stream; null without a soundfont.
    virtual TuneSynth* tune() = 0;
    // Cuts off the effect still sounding.
    virtual void playEffect(std::shared_ptr<const MixedSound> sound) = 0;
    virtual void stopEffect() = 0;
};

// The module's one entry point, "kelvad_make_audio_engine": null when no sound server answers.
using MakeAudioEngine = AudioEngine* (*)(const AudioIdentity& identity);

}  // namespace kelvad::platform
