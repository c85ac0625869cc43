// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Waves.h"

#include <cmath>
#include <numbers>

#include "Synth.h"

namespace assetgen {

using namespace synth;

namespace {

// A gunshot is a crack (bright noise that dies in milliseconds), a body of filtered noise, a thump
// whose pitch drops (the "weight" of the gun) and a short tail of the room.
struct ShotRecipe {
    double seconds;
    double crackDecay;
    double crackHighPassHz;
    double bodyDecay;
    double bodyLowPassHz;
    double thumpFromHz;
    double thumpToHz;
    double thumpDecay;
    double thumpGain;
    double tailDecay;
    double tailLowPassHz;
    double tailGain;
    double drive;
    std::uint64_t seed;
};

Samples shot(const ShotRecipe& r) {
    Rng rng(r.seed);
    Signal out = silence(r.seconds);

    Signal crack = whiteNoise(r.seconds, rng);
    filter(crack, FilterKind::HighPass, r.crackHighPassHz, 0.7);
    filter(crack, FilterKind::LowPass, 7500.0, 0.7);  // keeps the crack from hissing
    decay(crack, r.crackDecay);
    mixInto(out, crack, 0.0, 0.9);

    Signal body = whiteNoise(r.seconds, rng);
    filter(body, FilterKind::LowPass, r.bodyLowPassHz, 0.9);
    decay(body, r.bodyDecay);
    mixInto(out, body, 0.0, 1.2);

    Signal thump = sweep(r.seconds, r.thumpFromHz, r.thumpToHz, 0.08);
    decay(thump, r.thumpDecay);
    mixInto(out, thump, 0.0, r.thumpGain);

    Signal tail = whiteNoise(r.seconds, rng);
    filter(tail, FilterKind::LowPass, r.tailLowPassHz, 0.7);
    attack(tail, 0.012);
    decay(tail, r.tailDecay);
    mixInto(out, tail, 0.004, r.tailGain);

    saturate(out, r.drive);
    return finish(out, 0.0008, 0.02);
}

constexpr double noteHz(int midiNote) {
    // Equal temperament from A4 = 440 Hz; constexpr-friendly without std::pow.
    double hz = 440.0;
    for (int n = midiNote; n > 69; --n) {
        hz *= 1.0594630943592953;
    }
    for (int n = midiNote; n < 69; ++n) {
        hz /= 1.0594630943592953;
    }
    return hz;
}

// A struck bell: a few inharmonic partials, the high ones dying first.
Signal bell(double seconds, double hz, double ring) {
    struct Partial {
        double ratio;
        double gain;
        double decayShare;
    };
    constexpr Partial kPartials[] = {
        {1.0, 1.0, 1.0}, {2.0, 0.45, 0.6}, {3.01, 0.22, 0.4}, {4.17, 0.12, 0.25}};
    Signal out = silence(seconds);
    for (const Partial& p : kPartials) {
        Signal tone = sweep(seconds, hz * p.ratio, hz * p.ratio, 1.0);
        attack(tone, 0.003);
        decay(tone, ring * p.decayShare);
        mixInto(out, tone, 0.0, p.gain);
    }
    return out;
}

std::vector<double> steadyPitch(double seconds, double hz) {
    return std::vector<double>(static_cast<std::size_t>(sampleAt(seconds)), hz);
}

}  // namespace

Samples handgunShot() {
    return shot({.seconds = 0.30,
                 .crackDecay = 0.007,
                 .crackHighPassHz = 1800,
                 .bodyDecay = 0.030,
                 .bodyLowPassHz = 2200,
                 .thumpFromHz = 190,
                 .thumpToHz = 60,
                 .thumpDecay = 0.035,
                 .thumpGain = 0.9,
                 .tailDecay = 0.070,
                 .tailLowPassHz = 900,
                 .tailGain = 0.35,
                 .drive = 1.6,
                 .seed = 0x47554E31});
}

Samples submachineGunShot() {
    // Lighter and snappier than the handgun, so a fast burst of clicks stays a rattle, not a roar.
    return shot({.seconds = 0.20,
                 .crackDecay = 0.005,
                 .crackHighPassHz = 2600,
                 .bodyDecay = 0.018,
                 .bodyLowPassHz = 3200,
                 .thumpFromHz = 260,
                 .thumpToHz = 95,
                 .thumpDecay = 0.020,
                 .thumpGain = 0.7,
                 .tailDecay = 0.040,
                 .tailLowPassHz = 1400,
                 .tailGain = 0.25,
                 .drive = 1.8,
                 .seed = 0x47554E32});
}

Samples heavyGunShot() {
    return shot({.seconds = 0.38,
                 .crackDecay = 0.010,
                 .crackHighPassHz = 1200,
                 .bodyDecay = 0.060,
                 .bodyLowPassHz = 1100,
                 .thumpFromHz = 130,
                 .thumpToHz = 38,
                 .thumpDecay = 0.090,
                 .thumpGain = 1.3,
                 .tailDecay = 0.120,
                 .tailLowPassHz = 450,
                 .tailGain = 0.5,
                 .drive = 1.8,
                 .seed = 0x47554E33});
}

Samples bonusChime() {
    // Two quick bell strokes a fifth apart, then the octave: "ding-ding-ding!".
    constexpr double kSeconds = 0.80;
    Signal out = silence(kSeconds);
    mixInto(out, bell(kSeconds, noteHz(76), 0.16), 0.0, 0.8);   // E6
    mixInto(out, bell(kSeconds, noteHz(83), 0.20), 0.07, 0.7);  // B6
    mixInto(out, bell(kSeconds, noteHz(88), 0.26), 0.14, 0.6);  // E7
    filter(out, FilterKind::LowPass, 9000.0, 0.7);
    return finish(out, 0.001, 0.05);
}

Samples rescueJingle() {
    // A bright rising arpeggio in C major ending on a held chord: relief, a life saved.
    constexpr double kStep = 0.085;
    constexpr int kNotes[] = {72, 76, 79, 84};
    constexpr double kSeconds = 0.95;
    Signal out = silence(kSeconds);
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        const double length = last ? kSeconds - 3 * kStep : kStep * 1.6;
        Signal note = square(steadyPitch(length, noteHz(kNotes[i])));
        filter(note, FilterKind::LowPass, 3200.0, 0.7);
        attack(note, 0.004);
        decay(note, last ? 0.22 : 0.06);
        release(note, 0.015);
        mixInto(out, note, i * kStep, 0.5);
    }
    // The final chord under the top note.
    for (int n : {76, 79}) {
        Signal note = square(steadyPitch(kSeconds - 3 * kStep, noteHz(n)));
        filter(note, FilterKind::LowPass, 2400.0, 0.7);
        attack(note, 0.006);
        decay(note, 0.20);
        release(note, 0.015);
        mixInto(out, note, 3 * kStep, 0.25);
    }
    return finish(out, 0.002, 0.06);
}

Samples civilianCry() {
    // "Uwaa...": a voice that jumps up in fright and falls away, its vowel opening from u to a.
    constexpr double kSeconds = 0.85;
    const int n = sampleAt(kSeconds);
    std::vector<double> pitch(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double rise = t < 0.08 ? 430.0 + 1500.0 * t : 550.0;
        const double fall = t < 0.08 ? 1.0 : std::pow(0.30, (t - 0.08) / (kSeconds - 0.08));
        const double vibrato = 1.0 + 0.025 * std::sin(2.0 * std::numbers::pi * 6.5 * t);
        pitch[static_cast<std::size_t>(i)] = rise * fall * vibrato;
    }
    const Signal voice = sawtooth(pitch);

    // Two formant bands glide from "u" (300 Hz, 870 Hz) to "a" (750 Hz, 1200 Hz); the filters are
    // run in short blocks so they can move.
    Signal out = silence(kSeconds);
    constexpr int kBlock = 256;
    struct Formant {
        double fromHz;
        double toHz;
        double gain;
    };
    constexpr Formant kFormants[] = {{320, 760, 1.0}, {880, 1220, 0.7}, {2300, 2600, 0.25}};
    for (const Formant& f : kFormants) {
        Signal band = voice;
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (int start = 0; start < n; start += kBlock) {
            const double t = std::min(1.0, static_cast<double>(start) / kSampleRate / 0.25);
            const double hz = f.fromHz + (f.toHz - f.fromHz) * t;
            const double w = 2.0 * std::numbers::pi * hz / kSampleRate;
            const double alpha = std::sin(w) / (2.0 * 6.0);
            const double a0 = 1 + alpha;
            for (int i = start; i < std::min(n, start + kBlock); ++i) {
                const double x = band[static_cast<std::size_t>(i)];
                const double y = (alpha * x - alpha * x2 + 2 * std::cos(w) * y1 - (1 - alpha) * y2) / a0;
                x2 = x1;
                x1 = x;
                y2 = y1;
                y1 = y;
                band[static_cast<std::size_t>(i)] = y;
            }
        }
        mixInto(out, band, 0.0, f.gain);
    }
    Rng rng(0x55410001);
    Signal breath = whiteNoise(kSeconds, rng);
    filter(breath, FilterKind::BandPass, 1500.0, 1.0);
    mixInto(out, breath, 0.0, 0.04);
    attack(out, 0.03);
    decay(out, 0.45, 0.35);
    return finish(out, 0.004, 0.08);
}

}  // namespace assetgen
