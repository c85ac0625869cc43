// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SoundDevice.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <thread>

namespace kelvad::platform {

class TuneSynth;

// The MIDI half of the sound device: one tune at a time, addressed by its file's path. The synthesizer is
// made on a thread of its own (the sound module loads, reaches the sound server and tries the soundfont),
// so the window shows at once; a tune opened and started before then begins, from its start, when the
// synthesizer is ready.
class TuneSequencer final {
public:
    using MidiMode = SoundDevice::MidiMode;
    using MidiStart = SoundDevice::MidiStart;
    using SynthFactory = std::function<std::shared_ptr<TuneSynth>()>;

    // Runs the factory on the loading thread; null from it means there is no MIDI output.
    explicit TuneSequencer(SynthFactory factory);
    ~TuneSequencer();
    TuneSequencer(const TuneSequencer&) = delete;
    TuneSequencer& operator=(const TuneSequencer&) = delete;

    // True until the synthesizer is known to have failed: a tune given meanwhile is kept for it.
    bool hasOutput() const;
    bool open(const QString& path);
    MidiStart play(const QString& path, bool fromStart);
    void pause(const QString& path);
    MidiMode mode(const QString& path) const;
    void close(const QString& path);

    // Waits, at most the given time, for the synthesizer to be ready or to have failed.
    bool waitUntilReady(int timeoutMs);
    // The synthesizer once it is ready; null before and without one.
    TuneSynth* synth() const { return m_synth.get(); }

private:
    struct Loading;
    enum class TuneState { Opened, Playing, Paused };
    void adoptSynth();
    bool isOpen(const QString& path) const { return !m_path.isEmpty() && path == m_path; }
    void forgetTune();

    std::shared_ptr<Loading> m_loading;
    std::shared_ptr<TuneSynth> m_synth;
    bool m_failed = false;
    // Receives the loader's word on the game's thread, so a waiting tune starts without another call.
    std::unique_ptr<QObject> m_receiver;
    std::thread m_loader;

    QString m_path;
    QByteArray m_tune;
    TuneState m_state = TuneState::Opened;
};

}  // namespace kelvad::platform
