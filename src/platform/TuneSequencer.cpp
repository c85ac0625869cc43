// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TuneSequencer.h"

#include "platform/audio/TuneSynth.h"

#include <QFile>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kelvad::platform {

namespace {

// A tune of several minutes is a few tens of kilobytes; anything near this is not one.
constexpr qint64 maxTuneBytes = 8 * 1024 * 1024;

}  // namespace

struct TuneSequencer::Loading {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::shared_ptr<TuneSynth> synth;
};

TuneSequencer::TuneSequencer(SynthFactory factory)
    : m_loading(std::make_shared<Loading>()), m_receiver(std::make_unique<QObject>()) {
    m_loader =
        std::thread([loading = m_loading, factory = std::move(factory), receiver = m_receiver.get(), this] {
            auto synth = factory();
            {
                std::lock_guard lock(loading->mutex);
                loading->synth = std::move(synth);
                loading->finished = true;
            }
            loading->done.notify_all();
            // The destructor joins this thread before the receiver goes, so the receiver is alive here; the
            // queued call is dropped if the receiver is deleted before it runs.
            QMetaObject::invokeMethod(
                receiver, [this] { adoptSynth(); }, Qt::QueuedConnection);
        });
}

TuneSequencer::~TuneSequencer() {
    if (m_loader.joinable()) {
        m_loader.join();
    }
}

void TuneSequencer::adoptSynth() {
    if (m_synth || m_failed) {
        return;
    }
    {
        std::lock_guard lock(m_loading->mutex);
        if (!m_loading->finished) {
            return;
        }
        m_synth = std::move(m_loading->synth);
    }
    if (!m_synth) {
        m_failed = true;
        forgetTune();
        return;
    }
    if (!m_path.isEmpty()) {
        m_synth->load(m_tune);
        if (m_state == TuneState::Playing) {
            m_synth->play(true);
        }
    }
}

bool TuneSequencer::waitUntilReady(int timeoutMs) {
    {
        std::unique_lock lock(m_loading->mutex);
        m_loading->done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                 [this] { return m_loading->finished; });
    }
    adoptSynth();
    return m_synth || m_failed;
}

bool TuneSequencer::hasOutput() const {
    if (m_synth || m_failed) {
        return !m_failed;
    }
    std::lock_guard lock(m_loading->mutex);
    return !m_loading->finished || m_loading->synth;
}

bool TuneSequencer::open(const QString& path) {
    adoptSynth();
    if (!m_path.isEmpty()) {
        close(m_path);
    }
    if (!hasOutput() || path.isEmpty()) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxTuneBytes) {
        return false;
    }
    QByteArray tune = file.readAll();
    if (!isMidiFile(tune)) {
        return false;
    }
    m_path = path;
    m_tune = std::move(tune);
    m_state = TuneState::Opened;
    if (m_synth) {
        m_synth->load(m_tune);
    }
    return true;
}

TuneSequencer::MidiStart TuneSequencer::play(const QString& path, bool fromStart) {
    adoptSynth();
    if (!isOpen(path)) {
        return MidiStart::Failed;
    }
    if (m_synth) {
        m_synth->play(fromStart);
    }
    m_state = TuneState::Playing;
    return MidiStart::Started;
}

void TuneSequencer::pause(const QString& path) {
    adoptSynth();
    if (!isOpen(path) || m_state != TuneState::Playing) {
        return;
    }
    if (m_synth) {
        if (m_synth->ended()) {
            return;
        }
        m_synth->pause();
    }
    m_state = TuneState::Paused;
}

TuneSequencer::MidiMode TuneSequencer::mode(const QString& path) const {
    if (!isOpen(path)) {
        return MidiMode::NotOpen;
    }
    // A tune the synthesizer could not take has nothing left to play.
    if (m_synth && (m_synth->ended() || !m_synth->hasTune())) {
        return MidiMode::Ended;
    }
    return m_state == TuneState::Playing ? MidiMode::Playing : MidiMode::Paused;
}

void TuneSequencer::close(const QString& path) {
    adoptSynth();
    if (!isOpen(path)) {
        return;
    }
    if (m_synth) {
        m_synth->unload();
    }
    forgetTune();
}

void TuneSequencer::forgetTune() {
    m_path.clear();
    m_tune.clear();
    m_state = TuneState::Opened;
}

}  // namespace kelvad::platform
