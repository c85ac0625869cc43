// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MixerTest.h"

#include "SoundFiles.h"
#include "platform/audio/MidiSynth.h"
#include "platform/audio/Mixer.h"

#include <QTest>

#include <algorithm>
#include <cmath>

namespace kelvad {

using platform::MidiSynth;
using platform::MixedSound;
using platform::Mixer;

namespace {

std::shared_ptr<const MixedSound> steady(float level, int frames) {
    auto sound = std::make_shared<MixedSound>();
    sound->samples.assign(size_t(frames) * MixedSound::channels, level);
    return sound;
}

std::vector<float> mixed(Mixer& mixer, int frames) {
    std::vector<float> out(size_t(frames) * MixedSound::channels);
    mixer.mix(out.data(), frames);
    return out;
}

std::vector<float> remixed(Mixer& mixer, int frames, bool tuneStopped = false) {
    std::vector<float> out(size_t(frames) * MixedSound::channels);
    out.resize(size_t(mixer.remix(out.data(), frames, tuneStopped)) * MixedSound::channels);
    return out;
}

std::unique_ptr<MidiSynth> synthWithLongNote() {
    const QStringList fonts = MidiSynth::installedSoundFonts();
    auto synth = fonts.isEmpty() ? nullptr : MidiSynth::create(fonts.last());
    if (synth) {
        synth->load(testing::midiFile({{0, 5000}}));
    }
    return synth;
}

}  // namespace

void MixerTest::newEffectCutsOffTheOneBefore() {
    Mixer mixer;
    QVERIFY(!mixer.sounding());
    mixer.playEffect(steady(0.2F, 1000));
    QCOMPARE(mixed(mixer, 100).back(), 0.2F);
    mixer.playEffect(steady(0.5F, 300));
    const std::vector<float> cut = mixed(mixer, 400);
    QCOMPARE(cut.front(), 0.5F);
    QCOMPARE(cut[299 * 2], 0.5F);
    QCOMPARE(cut[300 * 2], 0.0F);
    QVERIFY2(!mixer.sounding(), "the first effect does not come back once the second has ended");
    mixer.playEffect(steady(0.5F, 300));
    mixer.stopEffect();
    QVERIFY(!mixer.sounding());
    QCOMPARE(testing::peak(mixed(mixer, 100)), 0.0F);
}

void MixerTest::tuneAndEffectAddUpToFullScaleAtMost() {
    auto synth = synthWithLongNote();
    if (!synth) {
        QSKIP("missing: a General MIDI soundfont (Debian package timgm6mb-soundfont)");
    }
    Mixer mixer;
    mixer.setTune(synth.get());
    synth->play(true);
    QVERIFY(mixer.sounding());
    const float tuneAlone = testing::peak(mixed(mixer, 4410));
    QVERIFY(tuneAlone > 0.01F);
    mixer.playEffect(steady(0.1F, 4410));
    const std::vector<float> both = mixed(mixer, 4410);
    QVERIFY2(testing::peak(both) > 0.1F, "the tune goes on under the effect");
    mixer.playEffect(steady(1.0F, 4410));
    QCOMPARE(testing::peak(mixed(mixer, 4410)), 1.0F);
}

void MixerTest::quietOnceTheTuneIsPausedAndRungOut() {
    auto synth = synthWithLongNote();
    if (!synth) {
        QSKIP("missing: a General MIDI soundfont (Debian package timgm6mb-soundfont)");
    }
    Mixer mixer;
    mixer.setTune(synth.get());
    QVERIFY2(!mixer.sounding(), "a tune loaded but not started");
    synth->play(true);
    mixed(mixer, 4410);
    synth->pause();
    // The released notes fade out within a second; then nothing more is rendered.
    for (int i = 0; i < 20 && mixer.sounding(); ++i) {
        mixed(mixer, 4410);
    }
    QVERIFY(!mixer.sounding());
    synth->play(false);
    QVERIFY(mixer.sounding());
}

void MixerTest::aNewEffectStartsInWhatWasHandedOut() {
    Mixer mixer;
    QVERIFY2(remixed(mixer, 100).empty(), "nothing handed out, nothing to mix again");
    mixer.playEffect(steady(0.2F, 10'000));
    mixed(mixer, 1000);
    mixer.playEffect(steady(0.5F, 500));
    const std::vector<float> again = remixed(mixer, 300);
    QCOMPARE(again.size(), size_t(300 * 2));
    QVERIFY2(std::all_of(again.begin(), again.end(), [](float v) { return v == 0.5F; }),
             "the new effect starts at the first frame mixed again, the old one is cut off there");
    const std::vector<float> next = mixed(mixer, 300);
    QCOMPARE(next[199 * 2], 0.5F);
    QCOMPARE(next[200 * 2], 0.0F);
    QVERIFY(!mixer.sounding());

    mixer.playEffect(steady(0.5F, 500));
    mixed(mixer, 100);
    mixer.stopEffect();
    QCOMPARE(testing::peak(remixed(mixer, 100)), 0.0F);
    QCOMPARE(remixed(mixer, Mixer::keptFrames).size(), size_t(1000 + 300 + 100) * 2);
    mixed(mixer, Mixer::keptFrames);
    QCOMPARE(remixed(mixer, 2 * Mixer::keptFrames).size(), size_t(Mixer::keptFrames) * 2);
}

void MixerTest::aStoppedTuneFadesOutOfWhatWasHandedOut() {
    auto synth = synthWithLongNote();
    if (!synth) {
        QSKIP("missing: a General MIDI soundfont (Debian package timgm6mb-soundfont)");
    }
    Mixer mixer;
    mixer.setTune(synth.get());
    synth->play(true);
    const std::vector<float> tune = mixed(mixer, 4410);
    QCOMPARE(remixed(mixer, 2000), std::vector<float>(tune.end() - 2000 * 2, tune.end()));

    mixer.playEffect(steady(0.25F, 1000));
    const std::vector<float> stopped = remixed(mixer, 2000, true);
    const size_t faded = size_t(Mixer::tuneFadeFrames) * 2;
    QVERIFY2(std::abs(stopped.front() - 0.25F - tune[tune.size() - 4000]) < 0.02F, "no jump where it starts");
    QVERIFY2(std::all_of(stopped.begin() + faded, stopped.begin() + 2000, [](float v) { return v == 0.25F; }),
             "only the effect goes on once the tune has faded");
    QCOMPARE(testing::peak(std::vector<float>(stopped.begin() + 2000, stopped.end())), 0.0F);
    QCOMPARE(testing::peak(remixed(mixer, 1000)), 0.0F);

    // What the synthesizer renders after the stop (its chorus's echoes) would follow the fade.
    synth->pause();
    mixer.tuneStopped();
    QCOMPARE(testing::peak(mixed(mixer, 4410)), 0.0F);
    synth->play(true);
    mixer.tuneStarted();
    QVERIFY(testing::peak(mixed(mixer, 4410)) > 0.01F);
}

}  // namespace kelvad
