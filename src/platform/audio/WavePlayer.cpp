// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/audio/WavePlayer.h"

#include <QThread>

namespace kelvad::platform {

WavePlayer::WavePlayer(std::unique_ptr<WaveOutput> output) : m_output(std::move(output)) {}

WavePlayer::~WavePlayer() = default;

std::shared_ptr<const MixedSound> WavePlayer::sound(const QString& path) {
    if (const auto kept = m_sounds.constFind(path); kept != m_sounds.cend()) {
        return kept.value();
    }
    // A file that is missing or damaged is read again next time: it may yet be put right.
    const auto read = readWaveFile(path);
    if (!read) {
        return nullptr;
    }
    auto mixed = std::make_shared<const MixedSound>(toMixed(*read));
    m_sounds.insert(path, mixed);
    return mixed;
}

void WavePlayer::play(const QString& path) {
    if (!m_output->available()) {
        return;
    }
    if (auto wave = sound(path)) {
        m_output->start(std::move(wave));
    }
}

void WavePlayer::playToEnd(const QString& path) {
    if (!m_output->available()) {
        return;
    }
    if (auto wave = sound(path)) {
        const int ms = wave->durationMs();
        m_output->start(std::move(wave));
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

void WavePlayer::stop() {
    if (m_output->available()) {
        m_output->stop();
    }
}

}  // namespace kelvad::platform
