// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/GameSoundDevice.h"

#include "platform/audio/TuneSynth.h"

#include <QDir>
#include <QLibrary>

#include <future>
#include <mutex>

namespace kelvad::platform {

const char* const GameSoundDevice::moduleName = "kelvad-audio";

struct GameSoundDevice::Loading {
    Loading(AudioIdentity identity, QString moduleDirectory)
        : identity(identity), moduleDirectory(std::move(moduleDirectory)) {}

    const AudioIdentity identity;
    const QString moduleDirectory;
    // Set by startLoading(), or by the destructor to give up.
    std::promise<bool> go;
    bool started = false;

    std::mutex mutex;
    std::shared_ptr<AudioEngine> engine;

    // On the sequencer's loading thread.
    std::shared_ptr<AudioEngine> load() {
        std::shared_ptr<AudioEngine> made;
        QLibrary module(QDir(moduleDirectory).filePath(QString::fromLatin1(moduleName)));
        // The module stays loaded for the whole run: its threads may outlive any one owner here.
        if (const auto make = reinterpret_cast<MakeAudioEngine>(module.resolve("kelvad_make_audio_engine"))) {
            made.reset(make(identity));
        }
        std::lock_guard lock(mutex);
        engine = made;
        return made;
    }
};

namespace {

// The effects' way into the engine once it has been loaded.
class EngineEffects final : public WaveOutput {
public:
    using Loading = std::function<std::shared_ptr<AudioEngine>()>;
    explicit EngineEffects(Loading engine) : m_engine(std::move(engine)) {}

    // An effect has nothing to wait for: before the engine is there, there is no output.
    bool available() const override { return m_engine() != nullptr; }
    void start(std::shared_ptr<const MixedSound> sound) override {
        if (const auto engine = m_engine()) {
            engine->playEffect(std::move(sound));
        }
    }
    void stop() override {
        if (const auto engine = m_engine()) {
            engine->stopEffect();
        }
    }

private:
    Loading m_engine;
};

}  // namespace

GameSoundDevice::GameSoundDevice(AudioIdentity identity, QString moduleDirectory)
    : m_loading(std::make_shared<Loading>(identity, std::move(moduleDirectory))),
      m_waves(std::make_unique<EngineEffects>([loading = m_loading] {
          std::lock_guard lock(loading->mutex);
          return loading->engine;
      })),
      m_sequencer(
          [loading = m_loading, ready = m_loading->go.get_future().share()]() -> std::shared_ptr<TuneSynth> {
              if (!ready.get()) {
                  return nullptr;
              }
              const auto engine = loading->load();
              // The synthesizer keeps the whole engine alive.
              return engine && engine->tune() ? std::shared_ptr<TuneSynth>(engine, engine->tune()) : nullptr;
          }) {}

GameSoundDevice::~GameSoundDevice() {
    if (!m_loading->started) {
        m_loading->go.set_value(false);
    }
}

void GameSoundDevice::startLoading() {
    if (!m_loading->started) {
        m_loading->started = true;
        m_loading->go.set_value(true);
    }
}

}  // namespace kelvad::platform
