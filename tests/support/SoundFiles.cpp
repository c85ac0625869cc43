// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvad::testing {

namespace {

void put16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putBig32(QByteArray& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((v >> shift) & 0xFF));
    }
}

void putVariable(QByteArray& out, std::uint32_t v) {
    QByteArray bytes(1, static_cast<char>(v & 0x7F));
    while ((v >>= 7) != 0) {
        bytes.prepend(static_cast<char>(0x80 | (v & 0x7F)));
    }
    out.append(bytes);
}

}  // namespace

QByteArray waveBytes(const WaveFields& fields) {
    QByteArray body("WAVE");
    body.append(fields.chunksBefore);
    body.append("fmt ");
    put32(body, 16);
    put16(body, fields.formatTag);
    put16(body, static_cast<std::uint32_t>(fields.channels));
    put32(body, static_cast<std::uint32_t>(fields.sampleRate));
    put32(body, static_cast<std::uint32_t>(fields.sampleRate * fields.blockAlign));
    put16(body, static_cast<std::uint32_t>(fields.blockAlign));
    put16(body, static_cast<std::uint32_t>(fields.bitsPerSample));
    body.append("data");
    put32(body, static_cast<std::uint32_t>(fields.declaredDataSize >= 0 ? fields.declaredDataSize
                                                                        : fields.data.size()));
    body.append(fields.data);
    QByteArray file("RIFF");
    put32(file, static_cast<std::uint32_t>(body.size()));
    return file + body;
}

QByteArray toneWave(int durationMs, double amplitude) {
    constexpr int rate = 44100;
    const int frames = rate * durationMs / 1000;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double value = amplitude * 32767 * std::sin(2 * std::numbers::pi * 440 * i / rate);
        put16(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value))));
    }
    WaveFields fields;
    fields.data = data;
    return waveBytes(fields);
}

QByteArray midiFile(const QList<MidiNote>& notes, int program) {
    // 500 ticks to the quarter at 120 beats a minute: one tick is one millisecond.
    struct Event {
        int at;
        QByteArray bytes;
    };
    std::vector<Event> events;
    events.push_back({0, QByteArray::fromHex("C0") + QByteArray(1, static_cast<char>(program))});
    for (const MidiNote& note : notes) {
        const char key = static_cast<char>(note.key);
        events.push_back({note.startMs, QByteArray::fromHex("90") + key + QByteArray::fromHex("64")});
        events.push_back(
            {note.startMs + note.lengthMs, QByteArray::fromHex("80") + key + QByteArray(1, '\0')});
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.at < b.at; });
    QByteArray track;
    int now = 0;
    for (const Event& event : events) {
        putVariable(track, static_cast<std::uint32_t>(event.at - now));
        track.append(event.bytes);
        now = event.at;
    }
    track.append(QByteArray::fromHex("00FF2F00"));
    QByteArray file("MThd");
    putBig32(file, 6);
    file.append(QByteArray::fromHex("0000000101F4"));
    file.append("MTrk");
    putBig32(file, static_cast<std::uint32_t>(track.size()));
    return file + track;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

float peak(const std::vector<float>& samples) {
    float loudest = 0;
    for (float sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    return loudest;
}

}  // namespace kelvad::testing
