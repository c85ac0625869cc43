// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "Raster.h"

// Small building blocks for the sound effects: everything is computed in doubles at 44.1 kHz and
// only the finished effect is rounded to 16 bits.
namespace assetgen::synth {

constexpr int kSampleRate = 44100;

using Signal = std::vector<double>;

Signal silence(double seconds);
int sampleAt(double seconds);

// Adds source into target from the given time on, scaled.
void mixInto(Signal& target, const Signal& source, double atSeconds, double gain);

Signal whiteNoise(double seconds, Rng& rng);

// Envelopes, multiplied in place.
void decay(Signal& signal, double timeConstant, double startSeconds = 0.0);
void attack(Signal& signal, double seconds);
// Fades the end out, so a note that stops early does not click.
void release(Signal& signal, double seconds);

// A sine whose pitch glides exponentially from one frequency to another over the given time.
Signal sweep(double seconds, double fromHz, double toHz, double glideSeconds);

// A band-limited sawtooth (voice-like) or square (chip-like) following a pitch curve given per sample.
Signal sawtooth(const std::vector<double>& pitchHz);
Signal square(const std::vector<double>& pitchHz);

// Second-order filters (the usual cookbook biquads), applied in place.
enum class FilterKind { LowPass, HighPass, BandPass };
void filter(Signal& signal, FilterKind kind, double hz, double q);

// Gentle saturation that rounds off peaks and adds weight.
void saturate(Signal& signal, double drive);

// Normalises the peak to -1 dBFS, fades both ends so they meet zero without a click, and rounds to
// 16-bit samples.
std::vector<std::int16_t> finish(Signal signal, double fadeInSeconds, double fadeOutSeconds);

}  // namespace assetgen::synth
