// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundDeviceTest.h"

#include "SoundFiles.h"
#include "platform/GameSoundDevice.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace kelvad {

namespace {

// Generous: this catches a hang or a wait for a sound, not a slow machine.
constexpr qint64 atOnceMs = 1000;

// The test's environment points the sound server's clients at nowhere.
platform::AudioIdentity identity{"kelvad test", "jp.kelvad.Kelvad"};

QString programDirectory() {
    return qEnvironmentVariable("KELVAD_PROGRAM_DIR");
}

}  // namespace

void SoundDeviceTest::reportsNoOutput_data() {
    QTest::addColumn<bool>("withModule");
    QTest::newRow("no sound server") << true;
    QTest::newRow("no sound module beside the program") << false;
}

void SoundDeviceTest::reportsNoOutput() {
    QFETCH(bool, withModule);
    QTemporaryDir empty;
    platform::GameSoundDevice device(identity, withModule ? programDirectory() : empty.path());
    QVERIFY2(device.hasMidiOutput(), "until it has loaded, a tune is kept for it");
    device.startLoading();
    QVERIFY(device.sequencer().waitUntilReady(10'000));
    QVERIFY(!device.hasWaveOutput());
    QVERIFY(!device.hasMidiOutput());
}

void SoundDeviceTest::everyCallReturnsAtOnce() {
    QTemporaryDir directory;
    const QString wave = directory.filePath(QStringLiteral("Sound Effects/Gun1.Wav"));
    const QString tune = directory.filePath(QStringLiteral("Sound Effects/Battle.Mid"));
    QVERIFY(testing::writeFile(wave, testing::toneWave(2000)));
    QVERIFY(testing::writeFile(tune, testing::midiFile({{0, 3000}})));
    const QString missing = directory.filePath(QStringLiteral("Missing.Wav"));

    platform::GameSoundDevice device(identity, programDirectory());
    const std::vector<std::pair<const char*, std::function<void()>>> calls{
        {"playWave", [&] { device.playWave(wave); }},
        {"playWave of a missing file", [&] { device.playWave(missing); }},
        {"playWaveToEnd of a two-second sound", [&] { device.playWaveToEnd(wave); }},
        {"stopWave", [&] { device.stopWave(); }},
        {"openMidi", [&] { device.openMidi(tune); }},
        {"playMidi", [&] { device.playMidi(tune, true); }},
        {"midiMode", [&] { device.midiMode(tune); }},
        {"pauseMidi", [&] { device.pauseMidi(tune); }},
        {"playMidi again", [&] { device.playMidi(tune, false); }},
        {"closeMidi", [&] { device.closeMidi(tune); }},
        {"closeMidi of nothing", [&] { device.closeMidi(tune); }},
    };
    // Once before the module loads, once while it may be loading, once after it has given up.
    for (int round = 0; round < 3; ++round) {
        for (const auto& [name, call] : calls) {
            QElapsedTimer timer;
            timer.start();
            call();
            QVERIFY2(timer.elapsed() < atOnceMs, name);
        }
        device.startLoading();
        if (round == 1) {
            QVERIFY(device.sequencer().waitUntilReady(10'000));
        }
    }
    QCOMPARE(device.midiMode(tune), platform::SoundDevice::MidiMode::NotOpen);
}

void SoundDeviceTest::madeAndGoneInABlink() {
    QElapsedTimer timer;
    timer.start();
    // Never loaded, and given up while loading.
    { platform::GameSoundDevice device(identity, programDirectory()); }
    {
        platform::GameSoundDevice device(identity, programDirectory());
        device.startLoading();
    }
    QVERIFY(timer.elapsed() < atOnceMs);
}

}  // namespace kelvad
