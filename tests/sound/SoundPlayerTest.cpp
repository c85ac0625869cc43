// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundPlayerTest.h"

#include "RecordingSoundDevice.h"
#include "SoundFiles.h"
#include "sound/SoundPlayer.h"

#include <QTemporaryDir>
#include <QTest>

namespace kelvad {

namespace {

using testing::RecordingSoundDevice;
using MidiMode = platform::SoundDevice::MidiMode;

// A program directory with the tune in it, and the sound player on a recording device.
struct Situation {
    Situation() {
        testing::writeFile(tune, testing::midiFile({{0, 500}}));
        testing::writeFile(spacedTune, testing::midiFile({{0, 500}}));
    }

    QTemporaryDir directory;
    QString tune = directory.filePath(QStringLiteral("Battle.Mid"));
    QString spacedTune = directory.filePath(QStringLiteral("My Tunes/Battle Theme.Mid"));
    QString missing = directory.filePath(QStringLiteral("Nothing.Mid"));
    RecordingSoundDevice device;
    sound::SoundPlayer player{device};
};

}  // namespace

void SoundPlayerTest::waves_data() {
    QTest::addColumn<bool>("waveOutput");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("a shot") << true << "PlayWave" << QStringList{"playWave /d/Gun1.Wav"};
    QTest::newRow("a shot without a wave output") << false << "PlayWave" << QStringList{};
    QTest::newRow("played to its end") << true << "PlayWaveSync" << QStringList{"playWaveToEnd /d/Gun1.Wav"};
    QTest::newRow("played to its end without an output") << false << "PlayWaveSync" << QStringList{};
}

void SoundPlayerTest::waves() {
    QFETCH(bool, waveOutput);
    QFETCH(QString, operation);
    QFETCH(QStringList, calls);

    RecordingSoundDevice device;
    device.waveOutput = waveOutput;
    sound::SoundPlayer player(device);
    if (operation == QLatin1String("PlayWave")) {
        player.PlayWave(QStringLiteral("/d/Gun1.Wav"));
    } else {
        player.PlayWaveSync(QStringLiteral("/d/Gun1.Wav"));
    }
    QCOMPARE(device.calls, calls);
}

void SoundPlayerTest::secondWaveCutsTheFirst() {
    // Rapid shots: each one is handed over at once, without waiting for or stopping the one before, so the
    // newest shot is what is heard.
    RecordingSoundDevice device;
    sound::SoundPlayer player(device);
    player.PlayWave(QStringLiteral("/d/Gun1.Wav"));
    player.PlayWave(QStringLiteral("/d/TO.Wav"));
    QCOMPARE(device.calls, (QStringList{"playWave /d/Gun1.Wav", "playWave /d/TO.Wav"}));
    QCOMPARE(device.playingWave, QStringLiteral("/d/TO.Wav"));
}

void SoundPlayerTest::playMidi_data() {
    QTest::addColumn<QString>("tune");
    QTest::addColumn<bool>("midiOutput");
    QTest::addColumn<bool>("deviceOpens");
    QTest::addColumn<bool>("portInUse");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("keptPlaying");

    const QStringList both{"openMidi $", "playMidi $"};
    QTest::newRow("the tune starts") << "tune" << true << true << false << true << both << true;
    QTest::newRow("empty file name sends nothing")
        << "" << true << true << false << false << QStringList{} << false;
    QTest::newRow("no MIDI output") << "tune" << false << true << false << false << QStringList{} << false;
    QTest::newRow("missing file sends nothing")
        << "missing" << true << true << false << false << QStringList{} << false;
    QTest::newRow("output taken by another program")
        << "tune" << true << true << true << false << both << false;
    // Only a busy output is a refusal: a tune the device could not open still counts as started.
    QTest::newRow("device cannot open the file") << "tune" << true << false << false << true << both << true;
    QTest::newRow("a path with spaces goes whole")
        << "spaced" << true << true << false << true << both << true;
}

void SoundPlayerTest::playMidi() {
    QFETCH(QString, tune);
    QFETCH(bool, midiOutput);
    QFETCH(bool, deviceOpens);
    QFETCH(bool, portInUse);
    QFETCH(bool, result);
    QFETCH(QStringList, calls);
    QFETCH(bool, keptPlaying);

    Situation s;
    const QString path = tune == QLatin1String("tune")      ? s.tune
                         : tune == QLatin1String("spaced")  ? s.spacedTune
                         : tune == QLatin1String("missing") ? s.missing
                                                            : QString();
    s.device.midiOutput = midiOutput;
    s.device.portInUse = portInUse;
    if (!deviceOpens) {
        s.device.existingFiles = {s.missing};
    }
    s.player.setMidiFileName(path);
    QCOMPARE(s.player.PlayMidi(), result);
    calls.replaceInStrings(QStringLiteral("$"), path);
    QCOMPARE(s.device.calls, calls);

    // Whether the player took the tune as started shows in the loop: an ended tune is restarted only then.
    s.device.calls.clear();
    s.device.portInUse = false;
    s.device.modes[path] = MidiMode::Ended;
    s.player.setIsRepeet(true);
    s.player.LoopTimer();
    QCOMPARE(s.device.calls.contains(QStringLiteral("playMidi ") + path + QStringLiteral(" from 0")),
             keptPlaying);
}

void SoundPlayerTest::playMidiClosesTheTuneBeforeOpeningAgain() {
    Situation s;
    s.player.setMidiFileName(s.tune);
    QVERIFY(s.player.PlayMidi());
    QVERIFY(s.player.PlayMidi());
    QCOMPARE(s.device.calls, QStringList({"openMidi " + s.tune, "playMidi " + s.tune, "closeMidi " + s.tune,
                                          "openMidi " + s.tune, "playMidi " + s.tune}));
}

void SoundPlayerTest::stopMidi_data() {
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("midiOutput");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("a playing tune is closed") << true << true << QStringList{"closeMidi $"};
    QTest::newRow("no tune open sends nothing") << false << true << QStringList{};
    QTest::newRow("no MIDI output sends nothing") << false << false << QStringList{};
}

void SoundPlayerTest::stopMidi() {
    QFETCH(bool, started);
    QFETCH(bool, midiOutput);
    QFETCH(QStringList, calls);

    Situation s;
    s.device.midiOutput = midiOutput;
    s.player.setMidiFileName(s.tune);
    if (started) {
        QVERIFY(s.player.PlayMidi());
    }
    s.device.calls.clear();
    s.player.StopMidi();
    calls.replaceInStrings(QStringLiteral("$"), s.tune);
    QCOMPARE(s.device.calls, calls);
    QCOMPARE(s.device.midiMode(s.tune), MidiMode::NotOpen);
}

void SoundPlayerTest::loopTimer_data() {
    QTest::addColumn<bool>("isRepeet");
    QTest::addColumn<MidiMode>("mode");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("ended, repeat: again from the start")
        << true << MidiMode::Ended << QStringList{"playMidi $ from 0"};
    QTest::newRow("ended, no repeat: nothing") << false << MidiMode::Ended << QStringList{};
    QTest::newRow("still playing: nothing") << true << MidiMode::Playing << QStringList{};
    QTest::newRow("paused: left paused") << true << MidiMode::Paused << QStringList{};
    QTest::newRow("closed behind the player's back: opened and played again")
        << true << MidiMode::NotOpen << QStringList{"openMidi $", "playMidi $"};
}

void SoundPlayerTest::loopTimer() {
    QFETCH(bool, isRepeet);
    QFETCH(MidiMode, mode);
    QFETCH(QStringList, calls);

    Situation s;
    s.player.setMidiFileName(s.tune);
    s.player.setIsRepeet(isRepeet);
    QVERIFY(s.player.PlayMidi());
    s.device.calls.clear();
    if (mode == MidiMode::NotOpen) {
        s.device.modes.remove(s.tune);
    } else {
        s.device.modes[s.tune] = mode;
    }
    s.player.LoopTimer();
    calls.replaceInStrings(QStringLiteral("$"), s.tune);
    QCOMPARE(s.device.calls, calls);
}

void SoundPlayerTest::loopTimerAfterStopMidiSendsNothing() {
    Situation s;
    s.player.setMidiFileName(s.tune);
    s.player.setIsRepeet(true);
    s.player.LoopTimer();
    QVERIFY2(s.device.calls.isEmpty(), "nothing started yet");
    QVERIFY(s.player.PlayMidi());
    s.player.StopMidi();
    s.device.calls.clear();
    s.player.LoopTimer();
    QCOMPARE(s.device.calls, QStringList{});
}

}  // namespace kelvad
