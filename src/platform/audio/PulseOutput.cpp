#include "platform/audio/PulseOutput.h"

#include "platform/audio/Mixer.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <vector>

namespace kelvad::platform {

namespace {

// What the server holds ahead of the listener, and so how seldom the stream's thread wakes while something
// plays: half of it is written at a time. A shot is not queued behind it: the output mixes again what the
// server has not yet played (see mixAgain()).
constexpr pa_usec_t heldAheadUs = 200'000;
// Where a change starts, beyond what the server has already taken for its sink: enough for the server's
// read position to move on while the new sound is on its way.
constexpr pa_usec_t changeMarginUs = 5'000;

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
    // A server that has gone away leaves the game silent.
    if (pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        if (m_stream) {
            mixAgain(tuneStopped);
            fill();
        } else {
            openStream();
        }
    }
    pa_threaded_mainloop_unlock(m_loop);
}

int64_t PulseOutput::framesNotYetTaken() const {
    pa_usec_t heard = 0;
    const pa_timing_info* timing = pa_stream_get_timing_info(m_stream);
    if (!timing || pa_stream_get_time(m_stream, &heard) < 0) {
        return 0;
    }
    // The sink holds what has been taken but is not heard yet.
    const pa_usec_t taken = heard + timing->sink_usec + changeMarginUs;
    return m_framesWritten - static_cast<int64_t>(taken * MixedSound::sampleRate / PA_USEC_PER_SEC);
}

void PulseOutput::mixAgain(bool tuneStopped) {
    if (pa_stream_get_state(m_stream) != PA_STREAM_READY) {
        return;
    }
    const int64_t frames = std::min(framesNotYetTaken(), m_framesWritten);
    if (frames <= 0) {
        return;
    }
    std::vector<float> stereo(static_cast<size_t>(frames) * MixedSound::channels);
    const int mixed = m_mixer.remix(stereo.data(), static_cast<int>(frames), tuneStopped);
    const size_t bytes = static_cast<size_t>(mixed) * pa_frame_size(&sampleSpec);
    // Written over the end of what the server holds, so its write position stays where it was.
    pa_stream_write(m_stream, stereo.data(), bytes, nullptr, -static_cast<int64_t>(bytes), PA_SEEK_RELATIVE);
}

void PulseOutput::openStream() {
    pa_proplist* properties = identityProperties(m_identity);
    m_stream = pa_stream_new_with_proplist(m_context, m_identity.name, &sampleSpec, nullptr, properties);
    pa_proplist_free(properties);
    if (!m_stream) {
        return;
    }
    m_framesWritten = 0;
    const auto buffered = static_cast<uint32_t>(pa_usec_to_bytes(heldAheadUs, &sampleSpec));
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<uint32_t>(-1);
    attributes.tlength = buffered;
    attributes.prebuf = static_cast<uint32_t>(-1);
    attributes.minreq = buffered / 2;
    attributes.fragsize = static_cast<uint32_t>(-1);
    pa_stream_set_write_callback(m_stream, onWritable, this);
    // The timing lets a change start close to what is heard (mixAgain()).
    const auto flags = static_cast<pa_stream_flags_t>(
        PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
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
    const auto frames = static_cast<int>(bytes / frameBytes);
    m_mixer.mix(static_cast<float*>(buffer), frames);
    pa_stream_write(m_stream, buffer, bytes, nullptr, 0, PA_SEEK_RELATIVE);
    m_framesWritten += frames;
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
