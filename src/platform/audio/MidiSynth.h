// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/audio/TuneRecording.h"
#include "platform/audio/TuneSynth.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace kelvad::platform {

// One FluidSynth synthesizer with a General MIDI soundfont and at most one tune. It sounds only as fast as
// render() is asked for samples: the game's output asks from its own thread, tests ask directly, so the tune
// is heard without a sound card. The tune keeps time by the samples rendered. Every call may come from any
// thread; one lock keeps the player and the rendering apart. The synthesizer and the soundfont take several
// megabytes: they are made when a tune is loaded (a game starts) and freed when it is unloaded, so that the
// game holds none of it between games. A tune rendered through a whole game is kept (TuneRecording) and
// played back in later games without the synthesizer.
class MidiSynth final : public TuneSynth {
public:
    static constexpr int sampleRate = 44100;
    // Voices that may sound at once: the game's tune needs at most 54, and a voice stolen would cut a note.
    static constexpr int polyphony = 64;

    // The General MIDI soundfonts Debian installs, the fuller first.
    static QStringList installedSoundFonts();
    // Null when the soundfont does not load.
    static std::unique_ptr<MidiSynth> create(const QString& soundFont);
    // Whether FluidSynth's synthesizer is held now: from load() to unload().
    bool holdsSynth() const;
    ~MidiSynth() override;
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    bool load(const QByteArray& midiFile) override;
    void play(bool fromStart) override;
    void pause() override;
    void unload() override;
    bool hasTune() const override;
    // By the position: FluidSynth's own "done" comes seconds later, once the last voices have died.
    bool ended() const override;

    // Called after every play(), on the caller's thread: the output opens for the tune.
    void setOnPlay(std::function<void()> onPlay) { m_onPlay = std::move(onPlay); }
    // Called after a pause or an unload that silenced the tune, on the caller's thread: what the output
    // holds ahead of the listener goes too.
    void setOnStop(std::function<void()> onStop) { m_onStop = std::move(onStop); }
    // Whether rendering gives sound: the tune plays, or its last notes still ring out.
    bool sounding() const;
    int voicesSounding() const;
    // The next frames, interleaved stereo.
    void render(float* stereo, int frames);
    std::vector<float> render(int frames);

private:
    MidiSynth() = default;
    // FluidSynth's synthesizer with the soundfont loaded; null if it does not load.
    fluid_synth_t* makeSynth() const;
    // All with the lock held.
    void freeSynth();
    bool endedLocked() const;
    bool soundingLocked() const;
    void record(const float* stereo, int frames);
    // Keeps the tune as rendered, if it was rendered through a whole game, finishing its last notes first.
    void keepRecording();
    void forgetRecording();
    void dropPlayer();
    void cutReleasingNotes();

    fluid_settings_t* m_settings = nullptr;
    QByteArray m_soundFont;
    fluid_synth_t* m_synth = nullptr;
    mutable std::mutex m_mutex;
    fluid_player_t* m_player = nullptr;
    // The player's length in ticks, once known.
    mutable int m_totalTicks = 0;
    QByteArray m_tune;
    bool m_playing = false;
    // The tune played back instead of synthesized, and the next frame of it.
    std::unique_ptr<TuneRecording> m_recorded;
    int64_t m_recordedAt = 0;
    // The tune as synthesized since it started from the start, while nothing (a pause) has broken it.
    QString m_recordingPath;
    std::vector<int16_t> m_recording;
    bool m_recordingWhole = false;
    int64_t m_recordingEventsEnd = -1;
    std::function<void()> m_onPlay;
    std::function<void()> m_onStop;
};

}  // namespace kelvad::platform
