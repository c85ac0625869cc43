// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Midi.h"

#include <algorithm>
#include <cstring>

namespace assetgen::midi {
namespace {

constexpr int kOrderOff = 0;
constexpr int kOrderSetup = 1;
constexpr int kOrderOn = 2;

void putVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    }
    out.push_back(groups[0]);
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint8_t status(int kind, int channel) {
    return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}

std::uint8_t data(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

}  // namespace

void Track::add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
    m_events.push_back({tick, order, std::move(bytes)});
}

void Track::noteOn(std::uint32_t tick, int channel, int note, int velocity) {
    add(tick, kOrderOn, {status(0x90, channel), data(note), data(std::max(1, velocity))});
}

void Track::noteOff(std::uint32_t tick, int channel, int note) {
    add(tick, kOrderOff, {status(0x80, channel), data(note), 0x40});
}

void Track::note(std::uint32_t tick, std::uint32_t length, int channel, int note, int velocity) {
    noteOn(tick, channel, note, velocity);
    noteOff(tick + length, channel, note);
}

void Track::programChange(std::uint32_t tick, int channel, int program) {
    add(tick, kOrderSetup, {status(0xC0, channel), data(program)});
}

void Track::controlChange(std::uint32_t tick, int channel, int controller, int value) {
    add(tick, kOrderSetup, {status(0xB0, channel), data(controller), data(value)});
}

void Track::tempo(std::uint32_t tick, int beatsPerMinute) {
    std::vector<std::uint8_t> bytes{0xFF, 0x51, 0x03};
    putBigEndian(bytes, static_cast<std::uint32_t>(60'000'000 / beatsPerMinute), 3);
    add(tick, kOrderSetup, std::move(bytes));
}

void Track::timeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    add(tick, kOrderSetup, {0xFF, 0x58, 0x04, data(numerator), data(denominatorPower), 24, 8});
}

void Track::name(std::uint32_t tick, const char* text) {
    std::vector<std::uint8_t> bytes{0xFF, 0x03};
    const std::size_t length = std::strlen(text);
    putVariableLength(bytes, static_cast<std::uint32_t>(length));
    bytes.insert(bytes.end(), text, text + length);
    add(tick, kOrderSetup, std::move(bytes));
}

void Track::endAt(std::uint32_t tick) {
    m_end = std::max(m_end, tick);
}

std::vector<std::uint8_t> Track::encode() const {
    std::vector<Event> events = m_events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const Event& e : events) {
        putVariableLength(body, e.tick - now);
        now = e.tick;
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    }
    putVariableLength(body, std::max(m_end, now) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
    putBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<std::uint8_t> standardMidiFile(const std::vector<Track>& tracks, int ticksPerQuarter) {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    putBigEndian(out, 6, 4);
    putBigEndian(out, 1, 2);  // format 1: simultaneous tracks, the first one holds the tempo map
    putBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    putBigEndian(out, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    for (const Track& track : tracks) {
        const std::vector<std::uint8_t> chunk = track.encode();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

}  // namespace assetgen::midi
