#pragma once

#include "platform/audio/AudioEngine.h"

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
    // What the server holds of the stream and has not yet handed to its sink.
    int64_t framesNotYetTaken() const;
    // Mixes again what the server has not yet taken, so that a change is heard at once.
    void mixAgain(bool tuneStopped);
    void openStream();
    void closeStream();
    void fill();
    static void onWritable(pa_stream* stream, size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);

    Mixer& m_mixer;
    const AudioIdentity m_identity;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    pa_operation* m_drain = nullptr;
    // Written since the stream opened, mixed again or not.
    int64_t m_framesWritten = 0;
};

}  // namespace kelvad::platform
