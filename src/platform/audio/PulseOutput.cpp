// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/audio/PulseOutput.h"

#include "platform/audio/Mixer.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace kelvad::platform {

namespace {

// What the server holds ahead of the listener, written half at a time. PA_STREAM_ADJUST_LATENCY splits it
// between the stream and the sink, and with a request of half of it PulseAudio keeps its sink's share to
// the least it can; PipeWire's pulse server runs its graph in cycles (quanta) of about the request: 40 ms
// is 1764 frames, which gives the game alone 1024-frame cycles at 48 kHz (21 ms). A change is not queued
// behind what is held: it is mixed again from where the server reads next (mixAgain()).
constexpr pa_usec_t heldAheadUs = 80'000;
constexpr pa_usec_t requestUs = 40'000;
// Where a change starts beyond where the server reads next: a little room for the server's reader.
constexpr pa_usec_t changeMarginUs = 2'000;

constexpr pa_sample_spec sampleSpec{PA_SAMPLE_FLOAT32NE, MixedSound::sampleRate, MixedSound::channels};

// The properties by which the desktop's mixer shows the game.
pa_proplist* identityProperties(const AudioIdentity& identity) {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, identity.name);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, identity.iconName);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, identity.iconName);
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    return properties;
}

}  // namespace

PulseOutput::PulseOutput(Mixer& mixer, const AudioIdentity& identity)
    : m_mixer(mixer), m_identity(identity) {}

std::unique_ptr<PulseOutput> PulseOutput::connect(Mixer& mixer, const AudioIdentity& identity) {
    std::unique_ptr<PulseOutput> output(new PulseOutput(mixer, identity));
    output->m_loop = pa_threaded_mainloop_new();
    if (!output->m_loop) {
        return nullptr;
    }
    pa_threaded_mainloop_set_name(output->m_loop, "kelvad-sound");
    if (pa_threaded_mainloop_start(output->m_loop) < 0) {
        return nullptr;
    }
    // The first connection is waited for, off the game's thread: without a server the game has no output.
    pa_threaded_mainloop_lock(output->m_loop);
    output->m_retry.tryAt(RetryGate::Clock::now());
    bool ready = output->startConnecting();
    while (ready) {
        const pa_context_state_t state = pa_context_get_state(output->m_context);
        if (state == PA_CONTEXT_READY) {
            break;
        }
        if (!PA_CONTEXT_IS_GOOD(state)) {
            ready = false;
            break;
        }
        pa_threaded_mainloop_wait(output->m_loop);
    }
    pa_threaded_mainloop_unlock(output->m_loop);
    return ready ? std::move(output) : nullptr;
}

PulseOutput::~PulseOutput() {
    if (!m_loop) {
        return;
    }
    pa_threaded_mainloop_lock(m_loop);
    closeStream();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

bool PulseOutput::startConnecting() {
    pa_proplist* properties = identityProperties(m_identity);
    m_context =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), m_identity.name, properties);
    pa_proplist_free(properties);
    if (!m_context) {
        return false;
    }
    pa_context_set_state_callback(m_context, onContextState, this);
    return pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
}

void PulseOutput::tuneStarted() {
    change([this] { m_mixer.tuneStarted(); }, false);
}

void PulseOutput::playEffect(std::shared_ptr<const MixedSound> sound) {
    change([&] { m_mixer.playEffect(std::move(sound)); }, false);
}

void PulseOutput::stopEffect() {
    change([this] { m_mixer.stopEffect(); }, false);
}

void PulseOutput::tuneStopped() {
    change([this] { m_mixer.tuneStopped(); }, true);
}

void PulseOutput::change(const std::function<void()>& changeMixer, bool tuneStopped) {
    pa_threaded_mainloop_lock(m_loop);
    changeMixer();
    forgetLost();
    if (!m_context) {
        // The server went away: connect again, without waiting; the stream opens once it is ready.
        if (m_retry.tryAt(RetryGate::Clock::now()) && !startConnecting()) {
            forgetLost();
        }
    } else if (pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        if (m_stream) {
            if (pa_stream_get_state(m_stream) == PA_STREAM_READY) {
                // Where the server reads now decides where the change can start (onTiming()).
                m_tuneStopPending = m_tuneStopPending || tuneStopped;
                if (pa_operation* update = pa_stream_update_timing_info(m_stream, onTiming, this)) {
                    pa_operation_unref(update);
                    m_remixPending = true;
                }
            }
        } else if (!m_lost || m_retry.tryAt(RetryGate::Clock::now())) {
            openStream();
        }
    }
    pa_threaded_mainloop_unlock(m_loop);
}

void PulseOutput::forgetLost() {
    if (m_stream && !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) {
        closeStream();
        m_lost = true;
    }
    if (m_context && !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) {
        closeStream();
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_unref(std::exchange(m_context, nullptr));
        m_lost = true;
    }
}

void PulseOutput::onContextState(pa_context* context, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    pa_threaded_mainloop_signal(output->m_loop, 0);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && !output->m_stream && output->m_mixer.sounding()) {
        // Connected again while the game plays: its sound goes on at once.
        output->openStream();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        // Its streams have failed with it; the context itself is freed by the next change.
        output->closeStream();
    }
}

void PulseOutput::onStreamState(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (stream == output->m_stream && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) {
        // Ended by the server (killed, or its sink gone): the next change opens another.
        output->closeStream();
        output->m_lost = true;
    }
}

void PulseOutput::onTiming(pa_stream* stream, int success, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (stream != output->m_stream || !output->m_remixPending) {
        return;
    }
    output->m_remixPending = false;
    const pa_timing_info* timing = pa_stream_get_timing_info(stream);
    if (success && timing && !timing->read_index_corrupt && !timing->write_index_corrupt) {
        output->mixAgain(timing->read_index, timing->write_index,
                         std::exchange(output->m_tuneStopPending, false));
    }
    output->fill();
}

void PulseOutput::mixAgain(int64_t readIndex, int64_t writeIndex, bool tuneStopped) {
    const auto frameBytes = static_cast<int64_t>(pa_frame_size(&sampleSpec));
    const int64_t margin = static_cast<int64_t>(changeMarginUs * MixedSound::sampleRate / PA_USEC_PER_SEC);
    const int64_t frames = (writeIndex - readIndex) / frameBytes - margin;
    if (frames <= 0) {
        // Nothing left to mix again. A server that has played all it had (a stream draining, or one that
        // ran dry) may have read on past its write position: the next write starts from where it reads.
        m_writeFromRead = m_writeFromRead || writeIndex < readIndex;
        return;
    }
    std::vector<float> stereo(static_cast<size_t>(frames) * MixedSound::channels);
    const int mixed = m_mixer.remix(
        stereo.data(), static_cast<int>(std::min<int64_t>(frames, Mixer::keptFrames)), tuneStopped);
    // Placed from where the server reads when the write reaches it, not from where it read when it
    // answered: should it have taken another cycle meanwhile, the change comes that much later, but whole
    // (PipeWire's pulse server cannot take back what its graph has taken). Normally the two are the same,
    // and the mix ends where the server's queue ended.
    const int64_t offset = (margin + frames - mixed) * frameBytes;
    pa_stream_write(m_stream, stereo.data(), static_cast<size_t>(mixed * frameBytes), nullptr, offset,
                    PA_SEEK_RELATIVE_ON_READ);
}

void PulseOutput::openStream() {
    pa_proplist* properties = identityProperties(m_identity);
    m_stream = pa_stream_new_with_proplist(m_context, m_identity.name, &sampleSpec, nullptr, properties);
    pa_proplist_free(properties);
    if (!m_stream) {
        return;
    }
    m_remixPending = false;
    m_tuneStopPending = false;
    m_writeFromRead = false;
    m_lost = false;
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<uint32_t>(-1);
    attributes.tlength = static_cast<uint32_t>(pa_usec_to_bytes(heldAheadUs, &sampleSpec));
    attributes.prebuf = static_cast<uint32_t>(-1);
    attributes.minreq = static_cast<uint32_t>(pa_usec_to_bytes(requestUs, &sampleSpec));
    attributes.fragsize = static_cast<uint32_t>(-1);
    pa_stream_set_state_callback(m_stream, onStreamState, this);
    pa_stream_set_write_callback(m_stream, onWritable, this);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(m_stream, nullptr, &attributes, flags, nullptr, nullptr) < 0) {
        closeStream();
    }
}

void PulseOutput::closeStream() {
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(std::exchange(m_drain, nullptr));
    }
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) {
            pa_stream_disconnect(m_stream);
        }
        pa_stream_unref(std::exchange(m_stream, nullptr));
    }
    m_remixPending = false;
}

void PulseOutput::fill() {
    if (!m_stream || m_remixPending || pa_stream_get_state(m_stream) != PA_STREAM_READY) {
        return;
    }
    size_t bytes = pa_stream_writable_size(m_stream);
    if (bytes == static_cast<size_t>(-1) || bytes == 0) {
        return;
    }
    if (!m_mixer.sounding()) {
        // Nothing more to play: once the server has played what it holds, the stream goes.
        if (!m_drain) {
            m_drain = pa_stream_drain(m_stream, onDrained, this);
        }
        return;
    }
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(std::exchange(m_drain, nullptr));
    }
    void* buffer = nullptr;
    if (pa_stream_begin_write(m_stream, &buffer, &bytes) < 0 || !buffer) {
        return;
    }
    const size_t frameBytes = pa_frame_size(&sampleSpec);
    bytes -= bytes % frameBytes;
    const auto frames = static_cast<int>(bytes / frameBytes);
    m_mixer.mix(static_cast<float*>(buffer), frames);
    if (std::exchange(m_writeFromRead, false)) {
        pa_stream_write(m_stream, buffer, bytes, nullptr, 0, PA_SEEK_RELATIVE_ON_READ);
    } else {
        pa_stream_write(m_stream, buffer, bytes, nullptr, 0, PA_SEEK_RELATIVE);
    }
}

void PulseOutput::onWritable(pa_stream*, size_t, void* self) {
    static_cast<PulseOutput*>(self)->fill();
}

void PulseOutput::onDrained(pa_stream*, int success, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (output->m_drain) {
        pa_operation_unref(std::exchange(output->m_drain, nullptr));
    }
    if (success && !output->m_mixer.sounding()) {
        output->closeStream();
    }
}

}  // namespace kelvad::platform
