#include "platform/WavePlayer.h"

#include "platform/AudioSinkOutput.h"

#include <QThread>

namespace kelvad::platform {

WavePlayer::WavePlayer() : WavePlayer(std::make_unique<AudioSinkOutput>()) {}

WavePlayer::WavePlayer(std::unique_ptr<WaveOutput> output) : m_output(std::move(output)) {}

WavePlayer::~WavePlayer() = default;

const WaveSound* WavePlayer::sound(const QString& path) {
    if (const auto kept = m_sounds.constFind(path); kept != m_sounds.cend()) {
        return &kept.value();
    }
    // A file that is missing or damaged is read again next time: it may yet be put right.
    auto read = readWaveFile(path);
    return read ? &m_sounds.insert(path, std::move(*read)).value() : nullptr;
}

void WavePlayer::play(const QString& path) {
    if (!m_output->available()) {
        return;
    }
    if (const WaveSound* wave = sound(path)) {
        m_output->start(*wave);
    }
}

void WavePlayer::playToEnd(const QString& path) {
    if (!m_output->available()) {
        return;
    }
    if (const WaveSound* wave = sound(path)) {
        m_output->start(*wave);
        QThread::msleep(static_cast<unsigned long>(wave->durationMs()));
    }
}

void WavePlayer::stop() {
    if (m_output->available()) {
        m_output->stop();
    }
}

}  // namespace kelvad::platform
