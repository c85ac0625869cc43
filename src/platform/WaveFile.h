#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <optional>

namespace kelvad::platform {

// A wave sound ready for the audio output: its sample format and the raw frames.
struct WaveSound {
    QAudioFormat format;
    QByteArray frames;

    int durationMs() const;
};

// Reads a RIFF WAVE file of plain PCM (8, 16 or 32 bit) or 32-bit float samples. Anything else, a missing
// file or a damaged one gives nothing: the game stays silent rather than guessing. A data chunk cut short
// keeps the whole frames it still holds.
std::optional<WaveSound> readWaveFile(const QString& path);
std::optional<WaveSound> parseWave(const QByteArray& bytes);

}  // namespace kelvad::platform
