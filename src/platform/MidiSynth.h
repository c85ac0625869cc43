#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace kelvad::platform {

// One FluidSynth synthesizer with a General MIDI soundfont and at most one tune. Live, it plays through the
// first audio driver that opens, and only while a tune plays; offline, it plays only as fast as render() is
// asked for samples, which lets the tune be heard without a sound card. Either way the tune keeps time by
// the samples rendered.
class MidiSynth final {
public:
    // The General MIDI soundfonts Debian installs, the fuller first.
    static QStringList installedSoundFonts();
    // Null when no driver opens or the soundfont does not load.
    static std::unique_ptr<MidiSynth> createLive(const QString& soundFont, const QStringList& drivers);
    static std::unique_ptr<MidiSynth> createOffline(const QString& soundFont);
    ~MidiSynth();
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // Whether the bytes begin as a Standard MIDI File does.
    static bool isMidiFile(const QByteArray& bytes);

    // Replaces the tune; the new one waits at its start. False for bytes that are no Standard MIDI File.
    bool load(const QByteArray& midiFile);
    // From the start, or on from where the tune was paused.
    void play(bool fromStart);
    // Keeps the position; the notes that sound are released. A tune that has ended stays ended.
    void pause();
    void unload();
    bool hasTune() const { return m_player != nullptr; }
    // Played to its last event. FluidSynth's own "done" comes seconds later, once the last voices have died,
    // and never while no driver runs; the position tells at once.
    bool ended() const;

    // Offline only: the next frames, interleaved stereo.
    std::vector<float> render(int frames);

    static constexpr int sampleRate = 44100;

private:
    enum class Clock { Live, Offline };
    MidiSynth() = default;
    static std::unique_ptr<MidiSynth> create(Clock clock, const QString& soundFont,
                                             const QStringList& drivers);
    void deletePlayer(fluid_player_t* player);
    // Live only: the audio driver chosen at creation runs while a tune plays.
    bool openDriver();
    void closeDriver();
    void setDriverRunning(bool running);
    // Runs after the driver work already under way, off the game's thread.
    void afterDriverWork(std::function<void()> work);
    // Waits for the driver work under way and closes the driver.
    void stopDriverNow();

    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    fluid_audio_driver_t* m_driver = nullptr;
    // Empty offline.
    QByteArray m_driverName;
    // The last driver opening or closing; the synthesizer outlives it.
    std::future<void> m_driverWork;
    fluid_player_t* m_player = nullptr;
    QByteArray m_tune;
    bool m_playing = false;
    // Sent back to the start, and not yet seen there.
    mutable bool m_restarting = false;
};

}  // namespace kelvad::platform
