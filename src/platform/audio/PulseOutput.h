// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/audio/AudioEngine.h"
#include "platform/audio/RetryGate.h"

#include <cstdint>
#include <functional>

#include <memory>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_operation;

namespace kelvad::platform {

class Mixer;

// The game's one stream to the sound server (PulseAudio, or PipeWire's pulse server), named as the game so
// that the desktop's mixer shows it once, with its icon and the role of a game. The stream is open only
// while the mixer has something to play: once it falls silent the stream drains and closes, and the client
// library's thread sleeps until the next sound.
//
// A server that goes away, or that ends the stream, is forgotten; the next sound connects again, at most
// once a second and without waiting for it (the sound that asked may be lost). Nothing runs meanwhile.
class PulseOutput final {
public:
    // Null when no sound server answers; no server is started for the game.
    static std::unique_ptr<PulseOutput> connect(Mixer& mixer, const AudioIdentity& identity);
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // The tune plays: opens the stream, or hands the mixer's sound on. Any thread, as are the three below.
    void tuneStarted();
    // A new effect, cutting off the one before, heard within a few milliseconds.
    void playEffect(std::shared_ptr<const MixedSound> sound);
    void stopEffect();
    // The tune was paused or closed: what the server holds of it fades out at once.
    void tuneStopped();

private:
    PulseOutput(Mixer& mixer, const AudioIdentity& identity);
    // These run with the main loop's lock held.
    void change(const std::function<void()>& changeMixer, bool tuneStopped);
    // Starts connecting to the server; the context's state callback opens the stream once it is ready.
    bool startConnecting();
    // Forgets a context or stream that the server has ended.
    void forgetLost();
    // Mixes again what the server has not yet taken, from where it will take next, so that a change is
    // heard at once; the indexes are the server's, in bytes, as it has just told them.
    void mixAgain(int64_t readIndex, int64_t writeIndex, bool tuneStopped);
    void openStream();
    void closeStream();
    void fill();
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);
    static void onTiming(pa_stream* stream, int success, void* self);

    Mixer& m_mixer;
    const AudioIdentity m_identity;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    pa_operation* m_drain = nullptr;
    // A change waits for the server to say where it reads (onTiming()); meanwhile nothing new is written,
    // so that the change is not mixed into the far end of what the server holds.
    bool m_remixPending = false;
    bool m_tuneStopPending = false;
    // The server has read past its write position (mixAgain()): the next write starts where it reads.
    bool m_writeFromRead = false;
    // Set when the server ended the stream or the connection: the next stream or connection waits for
    // the gate.
    bool m_lost = false;
    RetryGate m_retry{std::chrono::seconds(1)};
};

}  // namespace kelvad::platform
