// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

// Readers for the files the build writes into the program directory, independent of the generator,
// so the checks see the files as the game and the platform's players will.
namespace kelvad::assettest {

// A file of the built program directory (KELVAD_PROGRAM_DIR); empty when the variable is not set.
QString programFile(const QString& name);
QByteArray readAll(const QString& path);

struct BmpHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int compression = -1;
    std::uint32_t pixelOffset = 0;
    std::uint32_t fileSize = 0;
};
std::optional<BmpHeader> readBmpHeader(const QByteArray& bytes);

struct Wave {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;
    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};
// RIFF WAVE with a "fmt " and a "data" chunk; other chunks are skipped.
std::optional<Wave> parseWave(const QByteArray& bytes);

struct MidiSummary {
    int format = -1;
    int trackCount = 0;
    int ticksPerQuarter = 0;
    double seconds = 0.0;             // to the last event of the longest track, through the tempo map
    std::set<int> channelsWithNotes;  // 0-based; 9 is the General MIDI drum channel
    int programChanges = 0;
    int noteOns = 0;
    int unfinishedNotes = 0;  // note-ons never ended by a note-off (or a zero-velocity note-on)
};
// A Standard MIDI File with running status, meta and system-exclusive events.
std::optional<MidiSummary> parseMidi(const QByteArray& bytes);

// The game's way of drawing a masked frame: AND the mask into the picture, then XOR the sprite.
void drawMasked(QImage& target, const QImage& sprite, const QImage& mask, int left, int top);

}  // namespace kelvad::assettest
