// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundPlayerTest.h"

#include "RecordingSoundDevice.h"
#include "SoundFiles.h"
#include "sound/SoundPlayer.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace kelvad {

namespace {

using MidiMode = platform::SoundDevice::MidiMode;

// A program directory with the tune in it, and the sound player on a recording device.
struct Situation {
    Situation() {
        testing::writeFile(tune, testing::midiFile({{0, 500}}));
        testing::writeFile(spacedTune, testing::midiFile({{0, 500}}));
    }

    QTemporaryDir directory;
    QString tune = directory.filePath(u"Battle.Mid"_s);
    QString spacedTune = directory.filePath(u"My Tunes/Battle Theme.Mid"_s);
    QString missing = directory.filePath(u"Nothing.Mid"_s);
    testing::RecordingSoundDevice device;
    sound::SoundPlayer player{device};
};

}  // namespace

void SoundPlayerTest::eachStepSendsItsCommands_data() {
    // What the device lacks or does: "no wave output", "no MIDI output", "busy" (another program has the MIDI
    // output) or "cannot open" (the tune).
    QTest::addColumn<QString>("device");
    // The tune the player is given: "tune", "spaced" (a path with spaces), "missing" or none.
    QTest::addColumn<QString>("tune");
    // What the player is told to do ("play" expects the tune to start, "play refused" not), and what happens
    // to the tune meanwhile.
    QTest::addColumn<QStringList>("steps");
    // The device's calls; $ stands for the tune's path.
    QTest::addColumn<QStringList>("calls");

    const QString tune = u"tune"_s;
    const QStringList started{"openMidi $", "playMidi $"};
    const QStringList again = started + QStringList{"playMidi $ from 0"};
    // Whether the player took the tune as started shows in the loop: an ended tune is restarted only then.
    const QStringList endedAndLooped{"repeat", "port freed", "tune ended", "loop"};

    QTest::newRow("a shot") << ""
                            << "" << QStringList{"wave /d/Gun1.Wav"} << QStringList{"playWave /d/Gun1.Wav"};
    QTest::newRow("a shot without a wave output") << "no wave output"
                                                  << "" << QStringList{"wave /d/Gun1.Wav"} << QStringList{};
    QTest::newRow("played to its end")
        << ""
        << "" << QStringList{"wave to end /d/Gun1.Wav"} << QStringList{"playWaveToEnd /d/Gun1.Wav"};
    QTest::newRow("played to its end without an output")
        << "no wave output"
        << "" << QStringList{"wave to end /d/Gun1.Wav"} << QStringList{};
    // Rapid shots: each one is handed over at once, without waiting for or stopping the one before.
    QTest::newRow("the newest shot is heard")
        << ""
        << "" << QStringList{"wave /d/Gun1.Wav", "wave /d/TO.Wav", "heard /d/TO.Wav"}
        << QStringList{"playWave /d/Gun1.Wav", "playWave /d/TO.Wav"};

    QTest::newRow("the tune starts") << "" << tune << QStringList{"play"} + endedAndLooped << again;
    QTest::newRow("empty file name sends nothing")
        << ""
        << "" << QStringList{"play refused"} + endedAndLooped << QStringList{};
    QTest::newRow("no MIDI output") << "no MIDI output" << tune
                                    << QStringList{"play refused"} + endedAndLooped << QStringList{};
    QTest::newRow("missing file sends nothing")
        << ""
        << "missing" << QStringList{"play refused"} + endedAndLooped << QStringList{};
    QTest::newRow("output taken by another program")
        << "busy" << tune << QStringList{"play refused"} + endedAndLooped << started;
    // Only a busy output is a refusal: a tune the device could not open still counts as started.
    QTest::newRow("device cannot open the file")
        << "cannot open" << tune << QStringList{"play"} + endedAndLooped << again;
    QTest::newRow("a path with spaces goes whole")
        << ""
        << "spaced" << QStringList{"play"} + endedAndLooped << again;
    QTest::newRow("playing again closes the tune first")
        << "" << tune << QStringList{"play", "play"} << started + QStringList{"closeMidi $"} + started;

    QTest::newRow("a playing tune is stopped")
        << "" << tune << QStringList{"play", "stop"} << started + QStringList{"closeMidi $"};
    QTest::newRow("no tune open: stopping sends nothing")
        << "" << tune << QStringList{"stop"} << QStringList{};
    QTest::newRow("no MIDI output: stopping sends nothing")
        << "no MIDI output" << tune << QStringList{"stop"} << QStringList{};

    QTest::newRow("ended, repeat: again from the start")
        << "" << tune << QStringList{"repeat", "play", "tune ended", "loop"} << again;
    QTest::newRow("ended, no repeat: nothing")
        << "" << tune << QStringList{"play", "tune ended", "loop"} << started;
    QTest::newRow("still playing: nothing") << "" << tune << QStringList{"repeat", "play", "loop"} << started;
    QTest::newRow("paused: left paused")
        << "" << tune << QStringList{"repeat", "play", "tune paused", "loop"} << started;
    QTest::newRow("closed behind the player's back: opened and played again")
        << "" << tune << QStringList{"repeat", "play", "tune closed", "loop"} << started + started;
    QTest::newRow("nothing started, or stopped: the loop sends nothing")
        << "" << tune << QStringList{"repeat", "loop", "play", "stop", "loop"}
        << started + QStringList{"closeMidi $"};
}

void SoundPlayerTest::eachStepSendsItsCommands() {
    QFETCH(QString, device);
    QFETCH(QString, tune);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, calls);
    Situation s;
    s.device.waveOutput = device != "no wave output";
    s.device.midiOutput = device != "no MIDI output";
    s.device.portInUse = device == "busy";
    if (device == "cannot open") {
        s.device.existingFiles = {s.missing};
    }
    const QString path = tune == "tune"      ? s.tune
                         : tune == "spaced"  ? s.spacedTune
                         : tune == "missing" ? s.missing
                                             : QString();
    s.player.setMidiFileName(path);
    for (const QString& step : steps) {
        if (step.startsWith(u"wave to end "_s)) {
            s.player.playWaveToEnd(step.sliced(12));
        } else if (step.startsWith(u"wave "_s)) {
            s.player.playWave(step.sliced(5));
        } else if (step.startsWith(u"heard "_s)) {
            QCOMPARE(s.device.playingWave, step.sliced(6));
        } else if (step == "play" || step == "play refused") {
            QCOMPARE(s.player.playMidi(), step == "play");
        } else if (step == "stop") {
            s.player.stopMidi();
        } else if (step == "repeat") {
            s.player.setRepeats(true);
        } else if (step == "loop") {
            s.player.keepTuneLooping();
        } else if (step == "port freed") {
            s.device.portInUse = false;
        } else if (step == "tune closed") {
            s.device.modes.remove(path);
        } else {
            QVERIFY2(step == "tune ended" || step == "tune paused", qPrintable(step));
            s.device.modes[path] = step == "tune ended" ? MidiMode::Ended : MidiMode::Paused;
        }
    }
    calls.replaceInStrings(u"$"_s, path);
    QCOMPARE(s.device.calls, calls);
}

}  // namespace kelvad
