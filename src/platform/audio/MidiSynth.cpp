// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/audio/MidiSynth.h"

#include "platform/audio/TuneRecording.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <fluidsynth.h>

#include <malloc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <utility>

namespace kelvad::platform {

namespace {

// Quiet unless asked for (QT_LOGGING_RULES="kelvad.sound.midi.info=true").
Q_LOGGING_CATEGORY(lcMidi, "kelvad.sound.midi", QtWarningMsg)

// Loud enough to carry the game, a good step below the shots (FluidSynth's own 0.2 is faint).
constexpr double synthGain = 0.4;

// An envelope's release in timecents: about a millisecond.
constexpr float shortestRelease = -12000.0f;

// A tune is kept once it has been rendered through most of a game (which plays 30.5 s of it), or to its end
// if it is shorter.
constexpr int64_t wholeGameFrames = int64_t(MidiSynth::sampleRate) * 25;
// What is left of it when the game ends is rendered then, up to this much; a longer tune is not kept.
constexpr int64_t longestRest = int64_t(MidiSynth::sampleRate) * 20;
// Nor is one that would take more than this in memory while the game records it.
constexpr int64_t longestRecording = int64_t(MidiSynth::sampleRate) * 60;

// Everything besides the tune and the soundfont that a rendering depends on.
QByteArray renderingSettings() {
    return QByteArrayLiteral("kelvad tune 1; FluidSynth ") + fluid_version_str() + " rate " +
           QByteArray::number(MidiSynth::sampleRate) + " gain " + QByteArray::number(synthGain) + " voices " +
           QByteArray::number(MidiSynth::polyphony) + " reverb off, linear";
}

void logFluid(int level, const char* message, void*) {
    if (level <= FLUID_WARN) {
        qCInfo(lcMidi, "%s", message);
    } else {
        qCDebug(lcMidi, "%s", message);
    }
}

// FluidSynth writes its complaints to the terminal by default; a game without a tune is no error worth a
// message, so they go to a logging category instead.
void routeFluidLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) {
            fluid_set_log_function(level, logFluid, nullptr);
        }
    });
}

}  // namespace

QStringList MidiSynth::installedSoundFonts() {
    // FluidR3 sounds fuller; TimGM6mb is the small one the set-up installs. FluidSynth's own default names an
    // alternatives link that may point anywhere, so the files are named here.
    QStringList found;
    for (const QString& file : {QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
                                QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")}) {
        if (QFileInfo(file).isFile()) {
            found << file;
        }
    }
    return found;
}

std::unique_ptr<MidiSynth> MidiSynth::create(const QString& soundFont) {
    routeFluidLog();
    if (!QFileInfo(soundFont).isFile()) {
        return nullptr;
    }
    std::unique_ptr<MidiSynth> synth(new MidiSynth);
    synth->m_settings = new_fluid_settings();
    if (!synth->m_settings) {
        return nullptr;
    }
    fluid_settings_t* settings = synth->m_settings;
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings, "synth.gain", synthGain);
    // Every call already holds this class's lock.
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    // Only the instruments a tune uses are held in memory.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // The tune renders the same as with FluidSynth's 256 voices, which would take 2 MB more.
    fluid_settings_setint(settings, "synth.polyphony", polyphony);
    // The tune sends almost nothing to the reverb: rendered with and without it, its level differs by 0.05
    // dB, while the reverb costs a quarter of the synthesis time. The chorus carries 2 dB of it and stays.
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    // The player follows the rendered samples: its events fall on the sample they belong to, and no timer
    // thread of its own wakes every few milliseconds.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    synth->m_soundFont = QFile::encodeName(soundFont);
    // Loaded once here, so that a soundfont that does not load leaves the game without a tune from the
    // start; freed again until a game loads its tune.
    fluid_synth_t* loaded = synth->makeSynth();
    if (!loaded) {
        return nullptr;
    }
    delete_fluid_synth(loaded);
    return synth;
}

fluid_synth_t* MidiSynth::makeSynth() const {
    fluid_synth_t* synth = new_fluid_synth(m_settings);
    if (!synth) {
        return nullptr;
    }
    if (fluid_synth_sfload(synth, m_soundFont.constData(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth);
        return nullptr;
    }
    // Linear interpolation costs a sixth less than FluidSynth's default fourth order, and changes the tune's
    // level by 0.1 dB.
    fluid_synth_set_interp_method(synth, -1, FLUID_INTERP_LINEAR);
    return synth;
}

void MidiSynth::freeSynth() {
    if (m_synth) {
        delete_fluid_synth(std::exchange(m_synth, nullptr));
        // The soundfont's tables and samples go back to the system, not only to the allocator.
        malloc_trim(0);
    }
}

bool MidiSynth::holdsSynth() const {
    std::lock_guard lock(m_mutex);
    return m_synth != nullptr;
}

MidiSynth::~MidiSynth() {
    dropPlayer();
    freeSynth();
    if (m_settings) {
        delete_fluid_settings(m_settings);
    }
}

bool MidiSynth::load(const QByteArray& midiFile) {
    if (!isMidiFile(midiFile)) {
        return false;
    }
    std::lock_guard lock(m_mutex);
    dropPlayer();
    forgetRecording();
    m_recordingPath = TuneRecording::pathFor(midiFile, QFile::decodeName(m_soundFont), renderingSettings());
    if ((m_recorded = TuneRecording::open(m_recordingPath))) {
        // Played back: this tune needs no synthesizer.
        freeSynth();
        m_tune = midiFile;
        return true;
    }
    if (!m_synth) {
        // About 15 ms for the small soundfont; the tune still starts well within a tenth of a second.
        m_synth = makeSynth();
    }
    if (!m_synth) {
        // The soundfont has gone or been damaged since the game started: the game goes on without a tune.
        m_tune.clear();
        return false;
    }
    m_tune = midiFile;
    return true;
}

void MidiSynth::dropPlayer() {
    if (m_player) {
        fluid_player_stop(m_player);
        delete_fluid_player(std::exchange(m_player, nullptr));
    }
    m_playing = false;
    m_totalTicks = 0;
    if (!m_synth) {
        return;
    }
    cutReleasingNotes();
    // Nothing of the old play may ring on, its reverb included, nor its instruments carry over.
    fluid_synth_system_reset(m_synth);
}

void MidiSynth::cutReleasingNotes() {
    // A closed tune stops at once. The reset turns off only the notes still held: the released ones would go
    // on sounding through their release for seconds (and hold the stream open), so their release is cut
    // to about a millisecond, short enough to end within the next block without a click.
    std::array<fluid_voice_t*, polyphony> voices{};
    fluid_synth_get_voicelist(m_synth, voices.data(), static_cast<int>(voices.size()), -1);
    for (fluid_voice_t* voice : voices) {
        if (!voice) {
            break;
        }
        fluid_voice_gen_set(voice, GEN_VOLENVRELEASE, shortestRelease);
        fluid_voice_update_param(voice, GEN_VOLENVRELEASE);
    }
}

void MidiSynth::play(bool fromStart) {
    {
        std::lock_guard lock(m_mutex);
        if (m_tune.isEmpty()) {
            return;
        }
        if (m_recorded) {
            if (fromStart) {
                m_recordedAt = 0;
            }
            m_playing = true;
        } else {
            if (!m_synth) {
                return;
            }
            // Every play from the start gets a fresh player, and the synthesizer a reset: cutting the voices
            // alone leaves the effects units ringing (FluidSynth 2.4's reverb still rings at -56 dB 150 ms
            // on).
            if (fromStart || !m_player) {
                dropPlayer();
                m_player = new_fluid_player(m_synth);
                if (m_player && fluid_player_add_mem(m_player, m_tune.constData(),
                                                     static_cast<size_t>(m_tune.size())) != FLUID_OK) {
                    delete_fluid_player(std::exchange(m_player, nullptr));
                }
                if (!m_player) {
                    return;
                }
                m_recording.clear();
                // Room for a whole game and the rest of the tune at once: grown step by step, the freed
                // steps would stay with the allocator.
                m_recording.reserve(size_t(wholeGameFrames + longestRest) * 2);
                m_recordingWhole = true;
                m_recordingEventsEnd = -1;
            }
            if (!m_playing) {
                fluid_player_play(m_player);
                m_playing = true;
            }
        }
    }
    if (m_onPlay) {
        m_onPlay();
    }
}

void MidiSynth::pause() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_playing || endedLocked() || (!m_recorded && !m_player)) {
            return;
        }
        if (!m_recorded) {
            fluid_player_stop(m_player);
            // A pause is heard at once: the output fades out what it already holds of the tune (the onStop
            // call). The notes stop dead, as nothing of them may follow that fade; cut short, they are no
            // longer the tune as a whole game plays it.
            fluid_synth_all_sounds_off(m_synth, -1);
            m_recordingWhole = false;
        }
        m_playing = false;
    }
    if (m_onStop) {
        m_onStop();
    }
}

void MidiSynth::unload() {
    {
        std::lock_guard lock(m_mutex);
        keepRecording();
        dropPlayer();
        // The recording goes before the synthesizer, whose freeing trims the allocator.
        forgetRecording();
        freeSynth();
        m_tune.clear();
    }
    if (m_onStop) {
        m_onStop();
    }
}

void MidiSynth::record(const float* stereo, int frames) {
    if (static_cast<int64_t>(m_recording.size()) + frames * 2 > longestRecording * 2) {
        m_recordingWhole = false;
        std::vector<int16_t>().swap(m_recording);
        return;
    }
    for (int i = 0; i < frames * 2; ++i) {
        m_recording.push_back(
            static_cast<int16_t>(std::lround(std::clamp(stereo[i], -1.0F, 1.0F) * 32767.0F)));
    }
    if (m_recordingEventsEnd < 0 && endedLocked()) {
        m_recordingEventsEnd = static_cast<int64_t>(m_recording.size() / 2);
    }
}

void MidiSynth::keepRecording() {
    if (m_recorded || !m_synth || !m_recordingWhole || m_recording.empty()) {
        return;
    }
    // Left before the game was over: not the tune as a whole game plays it.
    if (m_recordingEventsEnd < 0 && static_cast<int64_t>(m_recording.size() / 2) < wholeGameFrames) {
        return;
    }
    // The game ends by its clock, usually before the tune does: the rest is rendered now, to its last note.
    std::vector<float> block(size_t(sampleRate / 10) * 2);
    const auto blocks = static_cast<int>(longestRest / (sampleRate / 10));
    for (int i = 0; i < blocks && soundingLocked() && m_recordingWhole; ++i) {
        fluid_synth_write_float(m_synth, sampleRate / 10, block.data(), 0, 2, block.data(), 1, 2);
        record(block.data(), sampleRate / 10);
    }
    if (!soundingLocked() && m_recordingWhole) {
        TuneRecording::save(
            m_recordingPath, m_recording,
            m_recordingEventsEnd < 0 ? static_cast<int64_t>(m_recording.size() / 2) : m_recordingEventsEnd);
    }
}

void MidiSynth::forgetRecording() {
    m_recorded.reset();
    m_recordedAt = 0;
    m_recordingWhole = false;
    m_recordingEventsEnd = -1;
    std::vector<int16_t>().swap(m_recording);
}

bool MidiSynth::hasTune() const {
    std::lock_guard lock(m_mutex);
    return !m_tune.isEmpty();
}

bool MidiSynth::ended() const {
    std::lock_guard lock(m_mutex);
    return endedLocked();
}

bool MidiSynth::endedLocked() const {
    if (m_recorded) {
        return m_playing && m_recordedAt >= m_recorded->eventsEndFrame();
    }
    if (!m_player || !m_playing) {
        return false;
    }
    // FluidSynth walks every event of every track to find the length, and the output asks twice for every
    // block it writes: the length is taken once, when the player has read the tune.
    if (m_totalTicks <= 0) {
        m_totalTicks = fluid_player_get_total_ticks(m_player);
    }
    return fluid_player_get_status(m_player) == FLUID_PLAYER_DONE ||
           (m_totalTicks > 0 && fluid_player_get_current_tick(m_player) >= m_totalTicks);
}

bool MidiSynth::sounding() const {
    std::lock_guard lock(m_mutex);
    return soundingLocked();
}

bool MidiSynth::soundingLocked() const {
    if (m_recorded) {
        return m_playing && m_recordedAt < m_recorded->frames();
    }
    return m_synth && ((m_playing && !endedLocked()) || fluid_synth_get_active_voice_count(m_synth) > 0);
}

int MidiSynth::voicesSounding() const {
    std::lock_guard lock(m_mutex);
    return m_synth ? fluid_synth_get_active_voice_count(m_synth) : 0;
}

void MidiSynth::render(float* stereo, int frames) {
    std::lock_guard lock(m_mutex);
    if (m_recorded && m_playing) {
        m_recorded->read(m_recordedAt, stereo, frames);
        m_recordedAt += frames;
        return;
    }
    if (!m_synth) {
        std::fill_n(stereo, static_cast<size_t>(frames) * 2, 0.0F);
        return;
    }
    fluid_synth_write_float(m_synth, frames, stereo, 0, 2, stereo, 1, 2);
    if (m_recordingWhole && m_playing) {
        record(stereo, frames);
    }
}

std::vector<float> MidiSynth::render(int frames) {
    std::vector<float> samples(static_cast<size_t>(std::max(frames, 0)) * 2);
    if (frames > 0) {
        render(samples.data(), frames);
    }
    return samples;
}

}  // namespace kelvad::platform
