#include "platform/audio/PulseOutput.h"

#include "platform/audio/Mixer.h"

#include <pulse/pulseaudio.h>

namespace kelvad::platform {

namespace {

// What the server holds ahead of the listener. A shot over the tune waits behind it, so it stays well under
// the 30 ms a shot may take to be heard (measured: 18 ms); half of it is written at a time, which sets how
// often the stream's thread wakes while something plays (a quarter cost a third more CPU).
constexpr pa_usec_t bufferedUs = 20'000;

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
    pa_proplist* properties = identityProperties(identity);
    output->m_context =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(output->m_loop), identity.name, properties);
    pa_proplist_free(properties);
    if (!output->m_context) {
        return nullptr;
    }
    pa_context_set_state_callback(
        output->m_context,
        [](pa_context*, void* loop) {
            pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
        },
        output->m_loop);
    if (pa_threaded_mainloop_start(output->m_loop) < 0) {
        return nullptr;
    }
    pa_threaded_mainloop_lock(output->m_loop);
    bool ready = pa_context_connect(output->m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
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

void PulseOutput::wake() {
    pa_threaded_mainloop_lock(m_loop);
    // A server that has gone away leaves the game silent.
    if (pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        if (m_stream) {
            fill();
        } else {
            openStream();
        }
    }
    pa_threaded_mainloop_unlock(m_loop);
}

void PulseOutput::openStream() {
    pa_proplist* properties = identityProperties(m_identity);
    m_stream = pa_stream_new_with_proplist(m_context, m_identity.name, &sampleSpec, nullptr, properties);
    pa_proplist_free(properties);
    if (!m_stream) {
        return;
    }
    const auto buffered = static_cast<uint32_t>(pa_usec_to_bytes(bufferedUs, &sampleSpec));
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<uint32_t>(-1);
    attributes.tlength = buffered;
    attributes.prebuf = static_cast<uint32_t>(-1);
    attributes.minreq = buffered / 2;
    attributes.fragsize = static_cast<uint32_t>(-1);
    pa_stream_set_write_callback(m_stream, onWritable, this);
    if (pa_stream_connect_playback(m_stream, nullptr, &attributes, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        closeStream();
    }
}

void PulseOutput::closeStream() {
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(std::exchange(m_drain, nullptr));
    }
    if (m_stream) {
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(std::exchange(m_stream, nullptr));
    }
}

void PulseOutput::fill() {
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY) {
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
    m_mixer.mix(static_cast<float*>(buffer), static_cast<int>(bytes / frameBytes));
    pa_stream_write(m_stream, buffer, bytes, nullptr, 0, PA_SEEK_RELATIVE);
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
