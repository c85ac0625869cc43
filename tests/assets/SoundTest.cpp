// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundTest.h"

#include <QTest>

#include <algorithm>
#include <cmath>

#include "AssetFiles.h"

using namespace kelvad::assettest;
using namespace Qt::StringLiterals;

namespace kelvad {
namespace {

constexpr double kFullScale = 32768.0;

std::optional<Wave> loadWave(const QString& name) {
    return parseWave(readAll(programFile(name)));
}

// Zero crossings per second: a rough measure of how bright a sound is.
double crossingRate(const Wave& wave) {
    int crossings = 0;
    for (std::size_t i = 1; i < wave.samples.size(); ++i) {
        crossings += (wave.samples[i - 1] < 0) != (wave.samples[i] < 0);
    }
    return crossings / wave.seconds();
}

}  // namespace

void WaveTest::effect_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("longestSeconds");
    QTest::addColumn<bool>("gun");
    QTest::newRow("handgun") << u"Gun1.Wav"_s << 0.4 << true;
    QTest::newRow("submachine gun") << u"Gun2.Wav"_s << 0.4 << true;
    QTest::newRow("heavy gun") << u"Gun3.Wav"_s << 0.4 << true;
    QTest::newRow("bonus plate chime") << u"TO.Wav"_s << 1.5 << false;
    QTest::newRow("rescue jingle") << u"ALI.Wav"_s << 1.5 << false;
    QTest::newRow("civilian's cry") << u"UA.Wav"_s << 1.5 << false;
}

void WaveTest::effect() {
    QFETCH(QString, name);
    QFETCH(double, longestSeconds);
    QFETCH(bool, gun);
    const std::optional<Wave> wave = loadWave(name);
    QVERIFY2(wave, qPrintable(u"not a readable RIFF WAVE file: "_s + name));
    QCOMPARE(wave->format, 1);  // PCM
    QCOMPARE(wave->channels, 1);
    QCOMPARE(wave->sampleRate, 44100);
    QCOMPARE(wave->bitsPerSample, 16);
    QVERIFY(wave->seconds() > 0.05);
    QVERIFY2(wave->seconds() < longestSeconds, qPrintable(u"%1 s"_s.arg(wave->seconds())));

    const auto& s = wave->samples;
    int peak = 0;
    double energy = 0;
    std::size_t peakAt = 0;
    int fullScaleRun = 0;
    int longestFullScaleRun = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int level = std::abs(int(s[i]));
        if (level > peak) {
            peak = level;
            peakAt = i;
        }
        energy += double(s[i]) * s[i];
        fullScaleRun = level >= 32700 ? fullScaleRun + 1 : 0;
        longestFullScaleRun = std::max(longestFullScaleRun, fullScaleRun);
    }
    const double peakDb = 20 * std::log10(peak / kFullScale);
    const double rms = std::sqrt(energy / s.size()) / kFullScale;
    QVERIFY2(peakDb > -2.0 && peakDb < -0.5, qPrintable(u"peak %1 dBFS"_s.arg(peakDb)));
    QCOMPARE(longestFullScaleRun, 0);  // not clipped
    QVERIFY2(rms > 0.03, qPrintable(u"RMS %1: too quiet"_s.arg(rms)));

    // No click: the sound rises from silence over more than a tenth of a millisecond and its last
    // millisecond stays close to silence.
    QVERIFY(std::abs(s.front()) < 100 && std::abs(s.back()) < 100);
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(std::abs(s[i]) < 0.05 * kFullScale, "starts with a jump");
    }
    constexpr int kMillisecond = 44;
    for (int i = 0; i < kMillisecond; ++i) {
        QVERIFY2(std::abs(s[s.size() - 1 - i]) < 0.02 * kFullScale, "ends on a jump");
    }

    if (gun) {
        // A sharp attack: the loudest moment comes within the first 30 ms.
        QVERIFY2(peakAt < 44100 * 30 / 1000, qPrintable(u"peak at %1 ms"_s.arg(peakAt * 1000.0 / 44100)));
    }
}

void WaveTest::gunsSoundDifferent() {
    const std::optional<Wave> handgun = loadWave(u"Gun1.Wav"_s);
    const std::optional<Wave> submachine = loadWave(u"Gun2.Wav"_s);
    const std::optional<Wave> heavy = loadWave(u"Gun3.Wav"_s);
    QVERIFY(handgun && submachine && heavy);
    // The submachine gun is the brightest and shortest, the heavy gun the deepest and longest.
    QVERIFY(crossingRate(*submachine) > crossingRate(*handgun));
    QVERIFY(crossingRate(*handgun) > crossingRate(*heavy));
    QVERIFY(submachine->seconds() < handgun->seconds());
    QVERIFY(handgun->seconds() < heavy->seconds());
}

void TuneTest::readerFollowsTheTempoMap() {
    // Two quarters at 120 bpm (1 s), then 60 bpm for one quarter (1 s), notes in running status.
    const QByteArray file = QByteArray::fromHex(
        "4d546864 00000006 0001 0002 01e0"
        "4d54726b 00000014"
        "00 ff5103 07a120"    // 500000 us per quarter
        "8740 ff5103 0f4240"  // at tick 960: 1000000 us per quarter
        "8360 ff2f00"
        "4d54726b 0000000f"
        "00 c0 18"
        "00 90 3c 64"
        "8740 3c 00"  // running status: a zero-velocity note-on ends the note
        "00 ff2f00");
    const std::optional<MidiSummary> summary = parseMidi(file);
    QVERIFY(summary);
    QCOMPARE(summary->trackCount, 2);
    QCOMPARE(summary->ticksPerQuarter, 480);
    QCOMPARE(summary->noteOns, 1);
    QCOMPARE(summary->unfinishedNotes, 0);
    QCOMPARE(summary->programChanges, 1);
    QVERIFY(qFuzzyCompare(summary->seconds, 2.0));

    QByteArray truncated = file;
    truncated.chop(3);
    QVERIFY(!parseMidi(truncated));
}

void TuneTest::battleCoversAGame() {
    const std::optional<MidiSummary> tune = parseMidi(readAll(programFile(u"Battle.Mid"_s)));
    QVERIFY2(tune, "Battle.Mid is not a readable Standard MIDI File");
    QCOMPARE(tune->format, 1);
    QVERIFY(tune->trackCount >= 3);
    // A game lasts 30.5 s; the tune must not fall silent before its end.
    QVERIFY2(tune->seconds >= 32.0 && tune->seconds <= 60.0, qPrintable(u"%1 s"_s.arg(tune->seconds)));
    QVERIFY2(tune->channelsWithNotes.contains(9), "no drums on channel 10");
    QVERIFY(tune->channelsWithNotes.size() >= 3);  // melody, bass and drums at least
    QVERIFY(tune->programChanges >= 2);
    QVERIFY(tune->noteOns >= 200);
    QCOMPARE(tune->unfinishedNotes, 0);
}

}  // namespace kelvad
