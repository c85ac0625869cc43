// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MidiSynthTest.h"

#include "SoundFiles.h"
#include "platform/TuneSequencer.h"
#include "platform/audio/MidiSynth.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <future>

namespace kelvad {

using platform::MidiSynth;
using platform::TuneSequencer;
using MidiMode = platform::SoundDevice::MidiMode;
using MidiStart = platform::SoundDevice::MidiStart;

namespace {

// Anything above this is sound; a released organ falls below it within a few tens of milliseconds.
constexpr float audible = 0.01F;
constexpr float silent = 0.001F;

QString soundFont() {
    const QStringList fonts = MidiSynth::installedSoundFonts();
    return fonts.isEmpty() ? QString() : fonts.last();
}

std::vector<float> renderMs(MidiSynth& synth, int ms) {
    return synth.render(MidiSynth::sampleRate * ms / 1000);
}

std::unique_ptr<MidiSynth> offlineSynth() {
    return MidiSynth::create(soundFont());
}

// One long note from the start.
const QByteArray oneNote = testing::midiFile({{0, 400}});

}  // namespace

void MidiSynthTest::init() {
    if (soundFont().isEmpty()) {
        QSKIP("No General MIDI soundfont installed (timgm6mb-soundfont)");
    }
    m_cache = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache->path()));
}

void MidiSynthTest::rendersTheTune() {
    auto synth = offlineSynth();
    QVERIFY(synth);
    QVERIFY(synth->load(oneNote));
    synth->play(false);
    QVERIFY(testing::peak(renderMs(*synth, 300)) > audible);
}

void MidiSynthTest::waitsAtTheStartUntilPlayed() {
    auto synth = offlineSynth();
    QVERIFY(synth->load(oneNote));
    QCOMPARE(testing::peak(renderMs(*synth, 300)), 0.0F);
    QVERIFY(!synth->ended());
}

void MidiSynthTest::pauseKeepsThePosition() {
    // Silence for half a second, then a note. Paused at 300 ms, the note must come 200 ms after the resume;
    // a player that restarted would keep silent for another 500 ms.
    auto synth = offlineSynth();
    QVERIFY(synth->load(testing::midiFile({{500, 400}})));
    synth->play(false);
    QVERIFY(testing::peak(renderMs(*synth, 300)) < silent);
    synth->pause();
    QVERIFY(testing::peak(renderMs(*synth, 1000)) < silent);
    QVERIFY(!synth->ended());
    synth->play(false);
    QVERIFY(testing::peak(renderMs(*synth, 150)) < silent);
    QVERIFY(testing::peak(renderMs(*synth, 250)) > audible);
}

void MidiSynthTest::endsWithItsLastEvent() {
    auto synth = offlineSynth();
    QVERIFY(synth->load(testing::midiFile({{0, 300}})));
    synth->play(false);
    renderMs(*synth, 200);
    QVERIFY(!synth->ended());
    renderMs(*synth, 200);
    QVERIFY2(synth->ended(), "ended by its position, not seconds later when the voices have died");
    synth->pause();
    QVERIFY2(synth->ended(), "a pause cannot take a tune back from its end");
}

void MidiSynthTest::playsAgainFromTheStart_data() {
    QTest::addColumn<int>("playedMs");

    // The tune ends with its last event at 800 ms; FluidSynth calls it done seconds later.
    QTest::newRow("from the middle") << 300;
    QTest::newRow("just after its end") << 900;
    QTest::newRow("long after its end") << 5000;
}

void MidiSynthTest::playsAgainFromTheStart() {
    QFETCH(int, playedMs);

    // Silence for half a second, then a note: back at the start, the silence comes again first.
    auto synth = offlineSynth();
    QVERIFY(synth->load(testing::midiFile({{500, 300}})));
    synth->play(false);
    renderMs(*synth, playedMs);
    QCOMPARE(synth->ended(), playedMs > 800);
    synth->play(true);
    QVERIFY(!synth->ended());
    // What rang on is cut; only the reverb's faint tail may linger a moment.
    renderMs(*synth, 150);
    QVERIFY(testing::peak(renderMs(*synth, 300)) < silent);
    QVERIFY(testing::peak(renderMs(*synth, 300)) > audible);
    QVERIFY(!synth->ended());
    renderMs(*synth, 400);
    QVERIFY(synth->ended());
}

void MidiSynthTest::gameTuneFitsItsVoices() {
    QFile file(QDir(qEnvironmentVariable("KELVAD_PROGRAM_DIR")).filePath(QStringLiteral("Battle.Mid")));
    QVERIFY2(file.open(QIODevice::ReadOnly), "the game's tune is built into the program directory");
    auto synth = offlineSynth();
    QVERIFY(synth->load(file.readAll()));
    synth->play(false);
    int most = 0;
    for (int ms = 0; !synth->ended() && ms < 120'000; ms += 10) {
        renderMs(*synth, 10);
        most = std::max(most, synth->voicesSounding());
    }
    QVERIFY(synth->ended());
    // More would steal a sounding voice and cut its note short.
    QVERIFY2(most < MidiSynth::polyphony, qPrintable(QStringLiteral("%1 voices at once").arg(most)));
    QVERIFY2(most > 8, "the tune sounded");
}

void MidiSynthTest::unloadSilences_data() {
    QTest::addColumn<int>("noteMs");
    QTest::addColumn<int>("program");
    QTest::newRow("a note still held") << 3000 << 16;
    // A string ensemble's release lasts seconds: a closed tune must not sound on through it.
    QTest::newRow("a note in its release") << 100 << 48;
}

void MidiSynthTest::unloadSilences() {
    QFETCH(int, noteMs);
    QFETCH(int, program);
    auto synth = offlineSynth();
    QVERIFY2(!synth->holdsSynth(), "no soundfont held before a game");
    QVERIFY(synth->load(testing::midiFile({{0, noteMs}}, program)));
    QVERIFY(synth->holdsSynth());
    synth->play(false);
    QVERIFY(testing::peak(renderMs(*synth, 200)) > audible);
    synth->unload();
    QVERIFY(!synth->hasTune());
    QVERIFY2(!synth->holdsSynth(), "nor after it");
    // A short fade and what is left of the chorus, not the seconds the note had to go.
    renderMs(*synth, 100);
    QVERIFY(testing::peak(renderMs(*synth, 100)) < audible / 4);
    QVERIFY2(!synth->sounding(), "nothing holds the stream open");
}

void MidiSynthTest::refusesWhatIsNoMidiFile() {
    auto synth = offlineSynth();
    QVERIFY(!synth->load(testing::toneWave(100)));
    QVERIFY(!synth->load(QByteArray("MThd")));
    QVERIFY(!synth->load(QByteArray()));
    QVERIFY(!synth->hasTune());
}

void MidiSynthTest::damagedTuneIsSilentAndEnds() {
    auto synth = offlineSynth();
    QByteArray damaged = testing::midiFile({{0, 300}});
    damaged.truncate(20);
    damaged.append(QByteArray(40, '\xFF'));
    QVERIFY(synth->load(damaged));
    synth->play(false);
    QVERIFY(testing::peak(renderMs(*synth, 300)) < silent);
    QVERIFY(synth->ended());
}

void MidiSynthTest::missingOrDamagedSoundFont() {
    QTemporaryDir directory;
    const QString damaged = directory.filePath(QStringLiteral("Broken.sf2"));
    QVERIFY(testing::writeFile(damaged, QByteArray("RIFF\x04\0\0\0sfbk", 12)));
    QVERIFY(!MidiSynth::create(directory.filePath(QStringLiteral("Missing.sf2"))));
    QVERIFY(!MidiSynth::create(damaged));

    // Gone between games: the next game goes on without a tune.
    const QString gone = directory.filePath(QStringLiteral("Gone.sf2"));
    QVERIFY(QFile::copy(soundFont(), gone));
    auto synth = MidiSynth::create(gone);
    QVERIFY(synth);
    QVERIFY(QFile::remove(gone));
    QVERIFY(!synth->load(oneNote));
    QVERIFY(!synth->hasTune());
    synth->play(true);
    QVERIFY(!synth->sounding());
    QCOMPARE(testing::peak(renderMs(*synth, 100)), 0.0F);
}

void MidiSynthTest::keepsTheTuneOfAWholeGame_data() {
    QTest::addColumn<int>("pauseAtMs");
    QTest::addColumn<int>("closeAtMs");
    QTest::addColumn<QString>("cacheFolder");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("kept");

    // The tune's last note ends at 800 ms and rings out for a moment.
    QTest::newRow("played to its end") << -1 << 3000 << QString() << false << true;
    QTest::newRow("closed while its last notes ring out") << -1 << 1000 << QString() << false << true;
    QTest::newRow("paused on the way") << 300 << 3000 << QString() << false << false;
    QTest::newRow("left before its end") << -1 << 300 << QString() << false << false;
    QTest::newRow("the kept file damaged") << -1 << 3000 << QString() << true << false;
    QTest::newRow("no cache folder to be had")
        << -1 << 3000 << QStringLiteral("/dev/null/cache") << false << false;
}

void MidiSynthTest::keepsTheTuneOfAWholeGame() {
    QFETCH(int, pauseAtMs);
    QFETCH(int, closeAtMs);
    QFETCH(QString, cacheFolder);
    QFETCH(bool, damaged);
    QFETCH(bool, kept);
    if (!cacheFolder.isEmpty()) {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheFolder));
    }
    const QByteArray tune = testing::midiFile({{0, 400}, {400, 400}});
    auto first = offlineSynth();
    QVERIFY(first->load(tune));
    first->play(true);
    std::vector<float> heard;
    for (int ms = 0; ms < closeAtMs; ms += 100) {
        if (ms == pauseAtMs) {
            first->pause();
            first->play(false);
        }
        const std::vector<float> block = renderMs(*first, 100);
        heard.insert(heard.end(), block.begin(), block.end());
    }
    first->unload();
    const QDir cache(m_cache->path() + QStringLiteral("/kelvad"));
    if (damaged) {
        const QStringList files = cache.entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile file(cache.filePath(files.first()));
        QVERIFY(file.resize(file.size() - 2));
    }

    auto later = offlineSynth();
    QVERIFY(later->load(tune));
    QCOMPARE(!later->holdsSynth(), kept);
    later->play(true);
    const std::vector<float> again = renderMs(*later, std::min(closeAtMs, 1000));
    QVERIFY(testing::peak(again) > audible);
    if (kept) {
        float difference = 0;
        for (size_t i = 0; i < again.size(); ++i) {
            difference = std::max(difference, std::abs(again[i] - heard[i]));
        }
        QVERIFY2(difference <= 1.0F / 32767, "played back as it was rendered, to 16 bits");
        QVERIFY(later->ended());
        later->pause();
        QVERIFY2(later->ended(), "a pause cannot take a tune back from its end");
    }
}

namespace {

// A sequencer whose offline synthesizer is held back until the test lets it go.
struct HeldSequencer {
    HeldSequencer()
        : sequencer([this, ready = release.get_future().share()]() -> std::shared_ptr<platform::TuneSynth> {
              ready.wait();
              std::shared_ptr<MidiSynth> synth = offlineSynth();
              made = synth.get();
              return synth;
          }) {}
    ~HeldSequencer() { letGo(); }

    void letGo() {
        if (!released) {
            release.set_value();
            released = true;
        }
    }
    MidiSynth& ready() {
        letGo();
        sequencer.waitUntilReady(10'000);
        return *made;
    }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = directory.filePath(name);
        testing::writeFile(path, bytes);
        return path;
    }

    QTemporaryDir directory;
    std::promise<void> release;
    bool released = false;
    MidiSynth* made = nullptr;
    TuneSequencer sequencer;
};

}  // namespace

void TuneSequencerTest::init() {
    if (soundFont().isEmpty()) {
        QSKIP("No General MIDI soundfont installed (timgm6mb-soundfont)");
    }
}

void TuneSequencerTest::tuneStartedWhileLoadingBeginsWhenReady() {
    HeldSequencer s;
    const QString tune = s.file(QStringLiteral("Battle.Mid"), oneNote);
    QVERIFY(s.sequencer.hasOutput());
    QVERIFY(s.sequencer.open(tune));
    QCOMPARE(s.sequencer.play(tune, false), MidiStart::Started);
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Playing);
    QVERIFY(!s.sequencer.synth());
    MidiSynth& synth = s.ready();
    QVERIFY(testing::peak(renderMs(synth, 200)) > audible);
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Playing);
}

void TuneSequencerTest::tunePausedWhileLoadingWaits() {
    HeldSequencer s;
    const QString tune = s.file(QStringLiteral("Battle.Mid"), oneNote);
    QVERIFY(s.sequencer.open(tune));
    s.sequencer.play(tune, false);
    s.sequencer.pause(tune);
    MidiSynth& synth = s.ready();
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Paused);
    QCOMPARE(testing::peak(renderMs(synth, 200)), 0.0F);
    QCOMPARE(s.sequencer.play(tune, false), MidiStart::Started);
    QVERIFY(testing::peak(renderMs(synth, 200)) > audible);
}

void TuneSequencerTest::modeFollowsTheTune() {
    HeldSequencer s;
    const QString tune = s.file(QStringLiteral("Battle.Mid"), testing::midiFile({{0, 300}}));
    MidiSynth& synth = s.ready();
    QCOMPARE(s.sequencer.mode(tune), MidiMode::NotOpen);
    QVERIFY(s.sequencer.open(tune));
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Paused);
    s.sequencer.play(tune, false);
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Playing);
    renderMs(synth, 100);
    s.sequencer.pause(tune);
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Paused);
    s.sequencer.play(tune, false);
    renderMs(synth, 400);
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Ended);
    s.sequencer.pause(tune);
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Ended);
    QCOMPARE(s.sequencer.play(tune, true), MidiStart::Started);
    QCOMPARE(s.sequencer.mode(tune), MidiMode::Playing);
    QCOMPARE(s.sequencer.mode(tune + QStringLiteral(".bak")), MidiMode::NotOpen);
    s.sequencer.close(tune);
    QCOMPARE(s.sequencer.mode(tune), MidiMode::NotOpen);
    QCOMPARE(s.sequencer.play(tune, false), MidiStart::Failed);
}

void TuneSequencerTest::openingAnotherTuneClosesTheFirst() {
    HeldSequencer s;
    const QString first = s.file(QStringLiteral("Battle.Mid"), oneNote);
    const QString second = s.file(QStringLiteral("Other.Mid"), oneNote);
    s.ready();
    QVERIFY(s.sequencer.open(first));
    s.sequencer.play(first, false);
    QVERIFY(s.sequencer.open(second));
    QCOMPARE(s.sequencer.mode(first), MidiMode::NotOpen);
    QCOMPARE(s.sequencer.mode(second), MidiMode::Paused);
    s.sequencer.pause(first);
    s.sequencer.close(first);
    QCOMPARE(s.sequencer.mode(second), MidiMode::Paused);
}

void TuneSequencerTest::filesThatAreNoTune() {
    HeldSequencer s;
    const QString wave = s.file(QStringLiteral("Gun1.Wav"), testing::toneWave(50));
    const QString empty = s.file(QStringLiteral("Empty.Mid"), QByteArray());
    s.ready();
    for (const QString& path :
         {wave, empty, s.directory.filePath(QStringLiteral("Missing.Mid")), s.directory.path(), QString()}) {
        QVERIFY2(!s.sequencer.open(path), qPrintable(path));
        QCOMPARE(s.sequencer.mode(path), MidiMode::NotOpen);
        QCOMPARE(s.sequencer.play(path, true), MidiStart::Failed);
    }
}

void TuneSequencerTest::pathsWithSpacesAndJapanese() {
    HeldSequencer s;
    const QString tune = s.file(QStringLiteral("ケルバド 解消/Battle Theme.Mid"), oneNote);
    MidiSynth& synth = s.ready();
    QVERIFY(s.sequencer.open(tune));
    QCOMPARE(s.sequencer.play(tune, true), MidiStart::Started);
    QVERIFY(testing::peak(renderMs(synth, 200)) > audible);
}

void TuneSequencerTest::noSynthesizerMeansNoOutput() {
    QTemporaryDir directory;
    const QString tune = directory.filePath(QStringLiteral("Battle.Mid"));
    testing::writeFile(tune, oneNote);
    std::promise<void> release;
    TuneSequencer sequencer([ready = release.get_future().share()]() -> std::shared_ptr<platform::TuneSynth> {
        ready.wait();
        return nullptr;
    });
    // Until the loader has given up, a tune is kept for it; afterwards it is gone and nothing is taken.
    QVERIFY(sequencer.hasOutput());
    QVERIFY(sequencer.open(tune));
    QCOMPARE(sequencer.play(tune, false), MidiStart::Started);
    release.set_value();
    QVERIFY(sequencer.waitUntilReady(10'000));
    QVERIFY(!sequencer.hasOutput());
    QCOMPARE(sequencer.mode(tune), MidiMode::NotOpen);
    QVERIFY(!sequencer.open(tune));
    QCOMPARE(sequencer.play(tune, false), MidiStart::Failed);
}

}  // namespace kelvad
