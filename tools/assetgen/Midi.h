// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace assetgen::midi {

// A track of a Standard MIDI File, built from events at absolute ticks.
class Track {
public:
    void noteOn(std::uint32_t tick, int channel, int note, int velocity);
    void noteOff(std::uint32_t tick, int channel, int note);
    // A note from tick to tick + length.
    void note(std::uint32_t tick, std::uint32_t length, int channel, int note, int velocity);
    void programChange(std::uint32_t tick, int channel, int program);
    void controlChange(std::uint32_t tick, int channel, int controller, int value);
    void tempo(std::uint32_t tick, int beatsPerMinute);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void name(std::uint32_t tick, const char* text);
    // The track ends here (or at its last event, if later).
    void endAt(std::uint32_t tick);

    // The track chunk: "MTrk", its length and the delta-timed events.
    std::vector<std::uint8_t> encode() const;

private:
    struct Event {
        std::uint32_t tick;
        int order;  // at the same tick: note-offs first, so a repeated note is not cut by its own end
        std::vector<std::uint8_t> bytes;
    };
    void add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);

    std::vector<Event> m_events;
    std::uint32_t m_end = 0;
};

// A format 1 file: the header chunk followed by every track.
std::vector<std::uint8_t> standardMidiFile(const std::vector<Track>& tracks, int ticksPerQuarter);

}  // namespace assetgen::midi
