#include "MixerTest.h"

#include "SoundFiles.h"
#include "platform/audio/MidiSynth.h"
#include "platform/audio/Mixer.h"

#include <QTest>

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

}  // namespace kelvad
