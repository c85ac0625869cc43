#include "SoundDeviceTest.h"

#include "SoundFiles.h"
#include "platform/QtFluidSoundDevice.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

namespace kelvad {

namespace {

// Generous: this catches a hang or a wait for a sound, not a slow machine.
constexpr qint64 atOnceMs = 1000;

}  // namespace

void SoundDeviceTest::initTestCase() {
    // The test's environment points PulseAudio at nowhere; a machine whose sound comes another way cannot
    // be made silent from here.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        QSKIP("hardware: this machine has an audio output that the test cannot hide");
    }
}

void SoundDeviceTest::reportsNoOutput() {
    platform::QtFluidSoundDevice device;
    QVERIFY(!device.hasWaveOutput());
    QVERIFY(device.sequencer().waitUntilReady(10'000));
    if (device.hasMidiOutput()) {
        QSKIP("hardware: FluidSynth found an audio driver all the same (an ALSA card)");
    }
    QVERIFY(!device.hasMidiOutput());
}

void SoundDeviceTest::everyCallReturnsAtOnce() {
    QTemporaryDir directory;
    const QString wave = directory.filePath(QStringLiteral("Sound Effects/Gun1.Wav"));
    const QString tune = directory.filePath(QStringLiteral("Sound Effects/Battle.Mid"));
    QVERIFY(testing::writeFile(wave, testing::toneWave(2000)));
    QVERIFY(testing::writeFile(tune, testing::midiFile({{0, 3000}})));
    const QString missing = directory.filePath(QStringLiteral("Missing.Wav"));

    platform::QtFluidSoundDevice device;
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
    // Once while the synthesizer may still be loading, once after it has given up.
    for (int round = 0; round < 2; ++round) {
        for (const auto& [name, call] : calls) {
            QElapsedTimer timer;
            timer.start();
            call();
            QVERIFY2(timer.elapsed() < atOnceMs, name);
        }
        QVERIFY(device.sequencer().waitUntilReady(10'000));
    }
    QCOMPARE(device.midiMode(tune), platform::SoundDevice::MidiMode::NotOpen);
}

void SoundDeviceTest::madeAndGoneInABlink() {
    QElapsedTimer timer;
    timer.start();
    { platform::QtFluidSoundDevice device; }
    QVERIFY(timer.elapsed() < atOnceMs);
}

}  // namespace kelvad
