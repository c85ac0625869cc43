// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace kelvad::platform {

struct WaveFormat {
    enum class Sample { UInt8, Int16, Int32, Float };
    Sample sample = Sample::Int16;
    int channels = 1;
    int sampleRate = 44100;

    int bytesPerFrame() const;
};

// A wave sound as its file holds it: its sample format and the raw frames.
struct WaveSound {
    WaveFormat format;
    QByteArray frames;

    int durationMs() const;
};

// A sound ready for the game's mixer: interleaved stereo float samples at the mixer's rate.
struct MixedSound {
    static constexpr int sampleRate = 44100;
    static constexpr int channels = 2;
    std::vector<float> samples;

    int frames() const { return static_cast<int>(samples.size() / channels); }
    int durationMs() const { return static_cast<int>(qint64(frames()) * 1000 / sampleRate); }
};

// Reads a RIFF WAVE file of plain PCM (8, 16 or 32 bit) or 32-bit float samples. Anything else, a missing
// file or a damaged one gives nothing: the game stays silent rather than guessing. A data chunk cut short
// keeps the whole frames it still holds.
std::optional<WaveSound> readWaveFile(const QString& path);
std::optional<WaveSound> parseWave(const QByteArray& bytes);
// Mono goes to both sides, more than two channels keep the first two; another rate is resampled linearly.
MixedSound toMixed(const WaveSound& sound);

}  // namespace kelvad::platform
