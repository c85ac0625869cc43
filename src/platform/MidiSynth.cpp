#include "platform/MidiSynth.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <fluidsynth.h>

#include <functional>
#include <mutex>
#include <utility>

namespace kelvad::platform {

namespace {

// Quiet unless asked for (QT_LOGGING_RULES="kelvad.sound.midi.info=true").
Q_LOGGING_CATEGORY(lcMidi, "kelvad.sound.midi", QtWarningMsg)

// Loud enough to carry the game, a good step below the shots (FluidSynth's own 0.2 is faint).
constexpr double synthGain = 0.4;
// A background tune needs no short latency, and every period wakes the sound server: 4096 frames (93 ms)
// keep the tune's cost near that of the synthesis itself. Only the start and the pause wait for a period.
constexpr int livePeriodFrames = 4096;
constexpr int midiHeaderSize = 14;

void logFluid(int level, const char* message, void*) {
    if (level <= FLUID_WARN) {
        qCInfo(lcMidi, "%s", message);
    } else {
        qCDebug(lcMidi, "%s", message);
    }
}

// FluidSynth writes its complaints (no PulseAudio server, say) to the terminal by default; a game without
// sound is no error worth a message, so they go to a logging category instead.
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

std::unique_ptr<MidiSynth> MidiSynth::createLive(const QString& soundFont, const QStringList& drivers) {
    return create(Clock::Live, soundFont, drivers);
}

std::unique_ptr<MidiSynth> MidiSynth::createOffline(const QString& soundFont) {
    return create(Clock::Offline, soundFont, {});
}

std::unique_ptr<MidiSynth> MidiSynth::create(Clock clock, const QString& soundFont,
                                             const QStringList& drivers) {
    routeFluidLog();
    if (!QFileInfo(soundFont).isFile()) {
        return nullptr;
    }
    std::unique_ptr<MidiSynth> synth(new MidiSynth);
    synth->m_settings = new_fluid_settings();
    if (!synth->m_settings) {
        return nullptr;
    }
    fluid_settings_setint(synth->m_settings, "synth.lock-memory", 0);
    fluid_settings_setnum(synth->m_settings, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(synth->m_settings, "synth.gain", synthGain);
    // Only the instruments a tune uses are held in memory.
    fluid_settings_setint(synth->m_settings, "synth.dynamic-sample-loading", 1);
    // The player follows the rendered samples, live too: its events then fall on the sample they belong to
    // whatever the driver's period, and no timer thread of its own wakes every few milliseconds.
    fluid_settings_setstr(synth->m_settings, "player.timing-source", "sample");
    synth->m_synth = new_fluid_synth(synth->m_settings);
    if (!synth->m_synth) {
        return nullptr;
    }
    if (clock == Clock::Live) {
        fluid_settings_setint(synth->m_settings, "audio.period-size", livePeriodFrames);
        // The driver first: it fails in a few milliseconds on a machine without sound, before the soundfont
        // has cost any time or memory.
        for (const QString& driver : drivers) {
            synth->m_driverName = driver.toLatin1();
            if (synth->openDriver()) {
                break;
            }
        }
        if (!synth->m_driver) {
            return nullptr;
        }
    }
    if (fluid_synth_sfload(synth->m_synth, QFile::encodeName(soundFont).constData(), 1) == FLUID_FAILED) {
        return nullptr;
    }
    // A driver renders even silence, and keeps the sound server awake: it runs only while a tune plays.
    synth->closeDriver();
    return synth;
}

bool MidiSynth::openDriver() {
    if (!m_driver) {
        fluid_settings_setstr(m_settings, "audio.driver", m_driverName.constData());
        m_driver = new_fluid_audio_driver(m_settings, m_synth);
    }
    return m_driver != nullptr;
}

void MidiSynth::closeDriver() {
    if (m_driver) {
        delete_fluid_audio_driver(m_driver);
        m_driver = nullptr;
    }
}

void MidiSynth::setDriverRunning(bool running) {
    if (m_driverName.isEmpty()) {
        return;
    }
    // Opening waits for the sound server, closing also for the period being written: both run, one after
    // the other, off the game's thread. The player moves only as its samples are rendered, so a driver that
    // opens late delays the tune without putting it out of time.
    afterDriverWork([this, running] {
        if (running) {
            openDriver();
        } else {
            closeDriver();
        }
    });
}

void MidiSynth::afterDriverWork(std::function<void()> work) {
    m_driverWork =
        std::async(std::launch::async, [work = std::move(work), previous = std::move(m_driverWork)] {
            if (previous.valid()) {
                previous.wait();
            }
            work();
        });
}

void MidiSynth::stopDriverNow() {
    if (m_driverWork.valid()) {
        m_driverWork.wait();
    }
    closeDriver();
}

MidiSynth::~MidiSynth() {
    stopDriverNow();
    deletePlayer(std::exchange(m_player, nullptr));
    if (m_synth) {
        delete_fluid_synth(m_synth);
    }
    if (m_settings) {
        delete_fluid_settings(m_settings);
    }
}

bool MidiSynth::isMidiFile(const QByteArray& bytes) {
    return bytes.size() >= midiHeaderSize && bytes.startsWith("MThd");
}

bool MidiSynth::load(const QByteArray& midiFile) {
    if (!isMidiFile(midiFile)) {
        return false;
    }
    // A player joins and leaves the synthesizer's list of timers, which a running driver walks through
    // without a lock: players come and go only while no driver runs. Between games the driver closed long
    // ago; only a tune replaced while it plays waits here for its driver.
    stopDriverNow();
    deletePlayer(std::exchange(m_player, nullptr));
    m_playing = false;
    m_restarting = false;
    m_tune = midiFile;
    m_player = new_fluid_player(m_synth);
    if (m_player &&
        fluid_player_add_mem(m_player, m_tune.constData(), static_cast<size_t>(m_tune.size())) != FLUID_OK) {
        deletePlayer(std::exchange(m_player, nullptr));
    }
    return true;
}

void MidiSynth::deletePlayer(fluid_player_t* player) {
    if (player) {
        fluid_player_stop(player);
        delete_fluid_player(player);
        // Nothing of the old tune may ring on, nor its instruments carry over into the next.
        fluid_synth_system_reset(m_synth);
    }
}

void MidiSynth::play(bool fromStart) {
    if (!m_player) {
        return;
    }
    if (fromStart) {
        // Back to the start in the same player, which may not be replaced while its driver runs; what still
        // sounds is cut.
        fluid_player_stop(m_player);
        fluid_synth_all_sounds_off(m_synth, -1);
        fluid_player_seek(m_player, 0);
        m_playing = false;
        m_restarting = true;
    }
    if (!m_playing) {
        setDriverRunning(true);
        fluid_player_play(m_player);
        m_playing = true;
    }
}

void MidiSynth::pause() {
    if (m_player && m_playing && !ended()) {
        fluid_player_stop(m_player);
        // The player lets sounding notes ring out; a pause should be heard at once.
        fluid_synth_all_notes_off(m_synth, -1);
        m_playing = false;
        setDriverRunning(false);
    }
}

void MidiSynth::unload() {
    fluid_player_t* player = std::exchange(m_player, nullptr);
    if (player) {
        fluid_player_stop(player);
        fluid_synth_all_notes_off(m_synth, -1);
    }
    m_tune.clear();
    m_playing = false;
    m_restarting = false;
    if (m_driverName.isEmpty()) {
        deletePlayer(player);
        return;
    }
    // The player goes once its driver has closed, still off the game's thread.
    afterDriverWork([this, player] {
        closeDriver();
        deletePlayer(player);
    });
}

bool MidiSynth::ended() const {
    if (!m_player || !m_playing) {
        return false;
    }
    const int total = fluid_player_get_total_ticks(m_player);
    const int tick = fluid_player_get_current_tick(m_player);
    if (m_restarting) {
        // Until the player has taken the way back to its start, it still reports the end it came from.
        if (total > 0 && tick >= total) {
            return false;
        }
        m_restarting = false;
    }
    return fluid_player_get_status(m_player) == FLUID_PLAYER_DONE || (total > 0 && tick >= total);
}

std::vector<float> MidiSynth::render(int frames) {
    std::vector<float> samples(static_cast<size_t>(frames) * 2);
    if (m_driverName.isEmpty() && frames > 0) {
        fluid_synth_write_float(m_synth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    }
    return samples;
}

}  // namespace kelvad::platform
