// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

namespace kelvad::testing {

// A RIFF WAVE file put together field by field, so that tests can break any field.
struct WaveFields {
    std::uint16_t formatTag = 1;
    int channels = 1;
    int sampleRate = 44100;
    int bitsPerSample = 16;
    int blockAlign = 2;
    QByteArray data;
    // Written between the WAVE header and the format chunk.
    QByteArray chunksBefore;
    // The data chunk's declared size; -1 for the real one.
    qint64 declaredDataSize = -1;
};
QByteArray waveBytes(const WaveFields& fields);
// A steady 440 Hz tone, 16-bit mono at 44.1 kHz.
QByteArray toneWave(int durationMs, double amplitude = 0.5);

// A Standard MIDI File with one instrument, timed in milliseconds.
struct MidiNote {
    int startMs;
    int lengthMs;
    int key = 60;
};
QByteArray midiFile(const QList<MidiNote>& notes, int program = 16);

bool writeFile(const QString& path, const QByteArray& bytes);

// The loudest sample of a stretch of rendered sound.
float peak(const std::vector<float>& samples);

}  // namespace kelvad::testing
