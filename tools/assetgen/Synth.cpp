// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen::synth {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPeak = 0.8913;  // -1 dBFS
constexpr double kHarmonicLimitHz = 9000.0;

}  // namespace

Signal silence(double seconds) {
    return Signal(static_cast<std::size_t>(sampleAt(seconds)), 0.0);
}

int sampleAt(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

void mixInto(Signal& target, const Signal& source, double atSeconds, double gain) {
    const std::size_t start = static_cast<std::size_t>(sampleAt(atSeconds));
    for (std::size_t i = 0; i < source.size() && start + i < target.size(); ++i) {
        target[start + i] += gain * source[i];
    }
}

Signal whiteNoise(double seconds, Rng& rng) {
    Signal out = silence(seconds);
    for (double& s : out) {
        s = rng.range(-1.0, 1.0);
    }
    return out;
}

void decay(Signal& signal, double timeConstant, double startSeconds) {
    const int start = sampleAt(startSeconds);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const int n = static_cast<int>(i) - start;
        signal[i] *= n < 0 ? 1.0 : std::exp(-n / (timeConstant * kSampleRate));
    }
}

void attack(Signal& signal, double seconds) {
    const int length = std::max(1, sampleAt(seconds));
    for (int i = 0; i < length && i < static_cast<int>(signal.size()); ++i) {
        signal[i] *= static_cast<double>(i) / length;
    }
}

void release(Signal& signal, double seconds) {
    const int length = std::max(1, sampleAt(seconds));
    const int n = static_cast<int>(signal.size());
    for (int i = 0; i < length && i < n; ++i) {
        signal[static_cast<std::size_t>(n - 1 - i)] *= static_cast<double>(i) / length;
    }
}

Signal sweep(double seconds, double fromHz, double toHz, double glideSeconds) {
    Signal out = silence(seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = std::min(1.0, static_cast<double>(i) / kSampleRate / glideSeconds);
        const double hz = fromHz * std::pow(toHz / fromHz, t);
        out[i] = std::sin(kTwoPi * phase);
        phase += hz / kSampleRate;
    }
    return out;
}

namespace {

Signal additive(const std::vector<double>& pitchHz, bool oddOnly) {
    Signal out(pitchHz.size(), 0.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < pitchHz.size(); ++i) {
        const double hz = std::max(pitchHz[i], 1.0);
        double s = 0.0;
        for (int k = 1; k * hz < kHarmonicLimitHz; k += oddOnly ? 2 : 1) {
            s += std::sin(kTwoPi * k * phase) / k;
        }
        out[i] = s * (oddOnly ? 4.0 / std::numbers::pi : 2.0 / std::numbers::pi);
        phase += hz / kSampleRate;
        phase -= std::floor(phase);
    }
    return out;
}

}  // namespace

Signal sawtooth(const std::vector<double>& pitchHz) {
    return additive(pitchHz, false);
}

Signal square(const std::vector<double>& pitchHz) {
    return additive(pitchHz, true);
}

void filter(Signal& signal, FilterKind kind, double hz, double q) {
    const double w = kTwoPi * hz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double cosw = std::cos(w);
    double b0 = 0, b1 = 0, b2 = 0;
    switch (kind) {
        case FilterKind::LowPass:
            b0 = (1 - cosw) / 2;
            b1 = 1 - cosw;
            b2 = (1 - cosw) / 2;
            break;
        case FilterKind::HighPass:
            b0 = (1 + cosw) / 2;
            b1 = -(1 + cosw);
            b2 = (1 + cosw) / 2;
            break;
        case FilterKind::BandPass:
            b0 = alpha;
            b1 = 0;
            b2 = -alpha;
            break;
    }
    const double a0 = 1 + alpha;
    const double a1 = -2 * cosw;
    const double a2 = 1 - alpha;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& s : signal) {
        const double y = (b0 * s + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1;
        x1 = s;
        y2 = y1;
        y1 = y;
        s = y;
    }
}

void saturate(Signal& signal, double drive) {
    for (double& s : signal) {
        s = std::tanh(drive * s) / std::tanh(drive);
    }
}

std::vector<std::int16_t> finish(Signal signal, double fadeInSeconds, double fadeOutSeconds) {
    const int fadeIn = std::max(1, sampleAt(fadeInSeconds));
    const int fadeOut = std::max(1, sampleAt(fadeOutSeconds));
    const int n = static_cast<int>(signal.size());
    // Raised-cosine fades: the first and last samples are exactly zero.
    for (int i = 0; i < fadeIn && i < n; ++i) {
        signal[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeIn);
    }
    for (int i = 0; i < fadeOut && i < n; ++i) {
        signal[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeOut);
    }
    double peak = 0.0;
    for (double s : signal) {
        peak = std::max(peak, std::abs(s));
    }
    const double gain = peak > 0.0 ? kPeak / peak : 0.0;
    std::vector<std::int16_t> out;
    out.reserve(signal.size());
    for (double s : signal) {
        out.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767.0)));
    }
    return out;
}

}  // namespace assetgen::synth
