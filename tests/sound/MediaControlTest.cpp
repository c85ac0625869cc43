// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaControlTest.h"

#include "RecordingSoundDevice.h"
#include "sound/MediaControl.h"

#include <QTest>

namespace kelvad {

namespace {

using MidiMode = platform::SoundDevice::MidiMode;
const QString tune = QStringLiteral("/game dir/Battle.Mid");

}  // namespace

void MediaControlTest::commands_data() {
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<MidiMode>("mode");

    const QString open = "openMidi " + tune;
    const QString start = "playMidi " + tune + " from 0";
    const QString resume = "playMidi " + tune;
    const QString pause = "pauseMidi " + tune;
    const QString close = "closeMidi " + tune;

    QTest::newRow("a game from start to end")
        << QStringList{"Open", "Play", "Close"} << QStringList{open, start, close} << MidiMode::NotOpen;
    QTest::newRow("pause, then play resumes where it paused")
        << QStringList{"Open", "Play", "Pause", "Play"} << QStringList{open, start, pause, resume}
        << MidiMode::Playing;
    QTest::newRow("return to start confirmed") << QStringList{"Open", "Play", "Pause", "Close"}
                                               << QStringList{open, start, pause, close} << MidiMode::NotOpen;
    QTest::newRow("paused twice, resumed twice")
        << QStringList{"Open", "Play", "Pause", "Play", "Pause", "Play"}
        << QStringList{open, start, pause, resume, pause, resume} << MidiMode::Playing;
    QTest::newRow("opened but not yet played")
        << QStringList{"Open"} << QStringList{open} << MidiMode::Paused;
    QTest::newRow("nothing before Open")
        << QStringList{"Play", "Pause", "Close"} << QStringList{} << MidiMode::NotOpen;
    QTest::newRow("Play while playing changes nothing")
        << QStringList{"Open", "Play", "Play"} << QStringList{open, start} << MidiMode::Playing;
    QTest::newRow("Pause while paused changes nothing")
        << QStringList{"Open", "Play", "Pause", "Pause"} << QStringList{open, start, pause}
        << MidiMode::Paused;
    QTest::newRow("Pause before Play changes nothing")
        << QStringList{"Open", "Pause", "Play"} << QStringList{open, start} << MidiMode::Playing;
    QTest::newRow("Close twice closes once")
        << QStringList{"Open", "Close", "Close"} << QStringList{open, close} << MidiMode::NotOpen;
    QTest::newRow("Open while open starts afresh")
        << QStringList{"Open", "Play", "Open", "Play"} << QStringList{open, start, close, open, start}
        << MidiMode::Playing;
    QTest::newRow("the next game plays from the start")
        << QStringList{"Open", "Play", "Close", "Open", "Play"}
        << QStringList{open, start, close, open, start} << MidiMode::Playing;
    QTest::newRow("unknown commands are ignored")
        << QStringList{"Open", "Stop", "Eject", "", "Play"} << QStringList{open, start} << MidiMode::Playing;
    // The file name may be set anew while a tune plays; the commands still go to the tune that is open.
    QTest::newRow("a new file name while playing")
        << QStringList{"Open", "Play", "/game dir/Other.Mid", "Pause", "Close"}
        << QStringList{open, start, pause, close} << MidiMode::NotOpen;
    QTest::newRow("commands in any case")
        << QStringList{"open", "PLAY", "pause"} << QStringList{open, start, pause} << MidiMode::Paused;
}

void MediaControlTest::commands() {
    QFETCH(QStringList, commands);
    QFETCH(QStringList, calls);
    QFETCH(MidiMode, mode);

    testing::RecordingSoundDevice device;
    sound::MediaControl control(device);
    control.setFileName(tune);
    for (const QString& command : commands) {
        if (command.startsWith(u'/')) {
            control.setFileName(command);
            continue;
        }
        control.setCommand(command);
        QCOMPARE(control.command(), command);
    }
    QCOMPARE(device.calls, calls);
    QCOMPARE(device.midiMode(tune), mode);
}

void MediaControlTest::nothingWhenTheTuneCannotBeOpened_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("midiOutput");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("missing file: only the attempt") << tune << true << QStringList{"openMidi " + tune};
    QTest::newRow("no MIDI output: not even that") << tune << false << QStringList{};
    QTest::newRow("no file name") << QString() << true << QStringList{};
}

void MediaControlTest::nothingWhenTheTuneCannotBeOpened() {
    QFETCH(QString, fileName);
    QFETCH(bool, midiOutput);
    QFETCH(QStringList, calls);

    testing::RecordingSoundDevice device;
    device.midiOutput = midiOutput;
    device.existingFiles = {QStringLiteral("/elsewhere/Other.Mid")};
    sound::MediaControl control(device);
    control.setFileName(fileName);
    for (const char* command : {"Open", "Play", "Pause", "Play", "Close"}) {
        control.setCommand(QString::fromLatin1(command));
    }
    QCOMPARE(device.calls, calls);
}

}  // namespace kelvad
