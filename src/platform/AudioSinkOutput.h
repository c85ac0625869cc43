#pragma once

#include "platform/WavePlayer.h"

#include <QAudioDevice>
#include <QThread>

#include <memory>

class QMediaDevices;

namespace kelvad::platform {

class SinkWorker;

// Wave sounds through Qt Multimedia. The sound goes out from a thread of its own, so the output's start (a
// few milliseconds) does not hold up the game, and the game's own waits between animation frames cannot
// starve it.
class AudioSinkOutput final : public WaveOutput {
public:
    // A null device follows the system's default output from one sound to the next.
    explicit AudioSinkOutput(const QAudioDevice& device = {});
    ~AudioSinkOutput() override;
    AudioSinkOutput(const AudioSinkOutput&) = delete;
    AudioSinkOutput& operator=(const AudioSinkOutput&) = delete;

    bool available() const override { return m_available; }
    void start(const WaveSound& sound) override;
    void stop() override;

private:
    std::unique_ptr<QMediaDevices> m_devices;
    bool m_available = false;
    QThread m_thread;
    std::unique_ptr<SinkWorker> m_worker;
};

}  // namespace kelvad::platform
