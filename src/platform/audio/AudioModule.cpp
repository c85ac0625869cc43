// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound module: the synthesizer, the mixer and the stream to the sound server, loaded by the game once
// its window shows.
#include "platform/audio/AudioEngine.h"
#include "platform/audio/MidiSynth.h"
#include "platform/audio/Mixer.h"
#include "platform/audio/PulseOutput.h"

#include <QtGlobal>

#include <malloc.h>

namespace kelvad::platform {

namespace {

class ServerAudioEngine final : public AudioEngine {
public:
    static std::unique_ptr<ServerAudioEngine> make(const AudioIdentity& identity) {
        std::unique_ptr<ServerAudioEngine> engine(new ServerAudioEngine);
        // The server first: without one the soundfont would cost its time and memory for nothing.
        engine->m_output = PulseOutput::connect(engine->m_mixer, identity);
        if (!engine->m_output) {
            return nullptr;
        }
        for (const QString& soundFont : MidiSynth::installedSoundFonts()) {
            if ((engine->m_synth = MidiSynth::create(soundFont))) {
                break;
            }
        }
        if (engine->m_synth) {
            engine->m_mixer.setTune(engine->m_synth.get());
            engine->m_synth->setOnPlay([output = engine->m_output.get()] { output->tuneStarted(); });
            engine->m_synth->setOnStop([output = engine->m_output.get()] { output->tuneStopped(); });
        }
        // Reading the soundfont leaves a few megabytes freed but still held by the allocator.
        malloc_trim(0);
        return engine;
    }
    ~ServerAudioEngine() override {
        // The output's thread renders the synthesizer: it stops first.
        m_output.reset();
    }

    TuneSynth* tune() override { return m_synth.get(); }
    void playEffect(std::shared_ptr<const MixedSound> sound) override {
        m_output->playEffect(std::move(sound));
    }
    void stopEffect() override { m_output->stopEffect(); }

private:
    ServerAudioEngine() = default;

    std::unique_ptr<MidiSynth> m_synth;
    Mixer m_mixer;
    std::unique_ptr<PulseOutput> m_output;
};

}  // namespace

}  // namespace kelvad::platform

extern "C" Q_DECL_EXPORT kelvad::platform::AudioEngine* kelvad_make_audio_engine(
    const kelvad::platform::AudioIdentity& identity) {
    return kelvad::platform::ServerAudioEngine::make(identity).release();
}
