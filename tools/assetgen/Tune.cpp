// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Tune.h"

#include <cctype>
#include <string_view>

#include "Midi.h"

namespace assetgen {
namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kEighth = kTicksPerQuarter / 2;
constexpr int kBar = 4 * kTicksPerQuarter;
constexpr int kBeatsPerMinute = 156;

constexpr int kIntroBars = 4;
constexpr int kThemeBars = 8;
constexpr int kBridgeBars = 8;
constexpr int kReprisBars = 4;
constexpr int kEndingBars = 1;
constexpr int kTotalBars = kIntroBars + kThemeBars + kBridgeBars + kReprisBars + kEndingBars;

// General MIDI programs (counted from 0) and channels.
constexpr int kLeadChannel = 0, kLeadProgram = 81;  // Lead 2 (sawtooth)
constexpr int kBassChannel = 1, kBassProgram = 33;  // Electric Bass (finger)
constexpr int kStabChannel = 2, kStabProgram = 61;  // Brass Section
constexpr int kPadChannel = 3, kPadProgram = 48;    // String Ensemble 1
constexpr int kDrumChannel = 9;

// Drum keys of the General MIDI percussion map.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46, kCrash = 49;
constexpr int kLowTom = 45, kMidTom = 47, kHighTom = 50;

// The melody, one bar a line, notes as name, octave and length in eighths ("r" rests).
constexpr std::string_view kTheme =
    "A4:1 C5:1 E5:2 A5:2 G5:1 E5:1 "  // Am
    "F5:3 E5:1 C5:2 A4:2 "            // F
    "G4:1 B4:1 D5:2 G5:2 F5:1 D5:1 "  // G
    "E5:6 r:2 "                       // Am
    "A4:1 C5:1 E5:2 A5:2 B5:1 C6:1 "  // Am
    "A5:3 G5:1 F5:2 E5:2 "            // F
    "D5:1 E5:1 F5:2 G5:2 B4:2 "       // G
    "G#4:2 B4:2 E5:4 ";               // E

constexpr std::string_view kBridge =
    "C6:4 A5:2 F5:2 "         // F
    "D6:4 B5:2 G5:2 "         // G
    "E6:3 D6:1 B5:2 G5:2 "    // Em
    "C6:6 A5:2 "              // Am
    "F5:2 A5:2 D6:2 C6:2 "    // Dm
    "B5:2 G5:2 E5:2 B5:2 "    // Em
    "C6:2 A5:2 F5:2 A5:2 "    // F
    "B5:2 G#5:2 E5:2 D5:2 ";  // E

constexpr std::string_view kReprise =
    "A4:1 C5:1 E5:2 A5:2 G5:1 E5:1 "  // Am
    "F5:2 A5:2 C6:2 A5:2 "            // F
    "B5:2 D6:2 G5:2 B5:2 "            // G
    "G#5:4 B5:4 "                     // E
    "A5:8 ";                          // Am, the last chord

// Chord roots (bass) and voicings (stabs and strings), one per bar.
struct Chord {
    int root;  // bass note, around A1..E2
    int tones[3];
};
constexpr Chord kAm{45, {57, 60, 64}};
constexpr Chord kF{41, {57, 60, 65}};
constexpr Chord kG{43, {55, 59, 62}};
constexpr Chord kE{40, {56, 59, 64}};
constexpr Chord kEm{40, {55, 59, 64}};
constexpr Chord kDm{38, {57, 62, 65}};

constexpr Chord kChords[kTotalBars] = {
    kAm, kAm, kF,  kG,                     // intro
    kAm, kF,  kG,  kAm, kAm, kF,  kG, kE,  // A
    kF,  kG,  kEm, kAm, kDm, kEm, kF, kE,  // B
    kAm, kF,  kG,  kE,                     // A'
    kAm,                                   // ending
};

constexpr int kThemeStart = kIntroBars;
constexpr int kBridgeStart = kThemeStart + kThemeBars;
constexpr int kRepriseStart = kBridgeStart + kBridgeBars;
constexpr int kEndingStart = kRepriseStart + kReprisBars;

std::uint32_t barTick(int bar) {
    return static_cast<std::uint32_t>(bar * kBar);
}

int noteNumber(std::string_view name) {
    constexpr int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    int note = kSemitones[name[0] - 'A'];
    std::size_t i = 1;
    if (i < name.size() && name[i] == '#') {
        ++note;
        ++i;
    } else if (i < name.size() && name[i] == 'b') {
        --note;
        ++i;
    }
    const int octave = name[i] - '0';
    return 12 * (octave + 1) + note;
}

// Writes a line of the note table from the given tick on; returns the tick after it.
std::uint32_t playLine(midi::Track& track, std::string_view line, std::uint32_t tick, int velocity) {
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && line[pos] == ' ') {
            ++pos;
        }
        if (pos >= line.size()) {
            break;
        }
        const std::size_t end = line.find(' ', pos);
        const std::string_view token = line.substr(pos, end - pos);
        pos = end == std::string_view::npos ? line.size() : end;
        const std::size_t colon = token.find(':');
        const std::string_view name = token.substr(0, colon);
        const int eighths = token[colon + 1] - '0';
        const std::uint32_t length = static_cast<std::uint32_t>(eighths * kEighth);
        if (name != "r") {
            // Slightly detached, so repeated notes are heard as two.
            track.note(tick, length - length / 8, kLeadChannel, noteNumber(name), velocity);
        }
        tick += length;
    }
    return tick;
}

midi::Track conductor() {
    midi::Track track;
    track.name(0, "Battle");
    track.tempo(0, kBeatsPerMinute);
    track.timeSignature(0, 4, 2);
    track.endAt(barTick(kTotalBars));
    return track;
}

void setUpChannel(midi::Track& track, int channel, int program, int volume, int pan, int reverb) {
    track.programChange(0, channel, program);
    track.controlChange(0, channel, 7, volume);
    track.controlChange(0, channel, 10, pan);
    track.controlChange(0, channel, 91, reverb);
}

midi::Track lead() {
    midi::Track track;
    track.name(0, "Lead");
    setUpChannel(track, kLeadChannel, kLeadProgram, 96, 64, 40);
    // A pickup at the end of the intro leads into the theme.
    playLine(track, "E4:1 G4:1 A4:1 B4:1 ", barTick(kThemeStart) - 4 * kEighth, 84);
    playLine(track, kTheme, barTick(kThemeStart), 100);
    playLine(track, kBridge, barTick(kBridgeStart), 96);
    playLine(track, kReprise, barTick(kRepriseStart), 104);
    track.endAt(barTick(kTotalBars));
    return track;
}

midi::Track bass() {
    midi::Track track;
    track.name(0, "Bass");
    setUpChannel(track, kBassChannel, kBassProgram, 110, 64, 10);
    // Driving eighths: root, root, octave, root... ; calmer quarter roots under the bridge's start.
    constexpr int kPattern[8] = {0, 0, 12, 0, 0, 12, 7, 12};
    for (int bar = 0; bar < kEndingStart; ++bar) {
        const int root = kChords[bar].root;
        for (int e = 0; e < 8; ++e) {
            const std::uint32_t tick = barTick(bar) + static_cast<std::uint32_t>(e * kEighth);
            const int velocity = e % 2 == 0 ? 100 : 84;
            track.note(tick, kEighth - 30, kBassChannel, root + kPattern[e], velocity);
        }
    }
    track.note(barTick(kEndingStart), kBar - kEighth, kBassChannel, kChords[kEndingStart].root, 110);
    track.endAt(barTick(kTotalBars));
    return track;
}

midi::Track stabs() {
    midi::Track track;
    track.name(0, "Brass");
    setUpChannel(track, kStabChannel, kStabProgram, 84, 44, 50);
    for (int bar = 0; bar < kEndingStart; ++bar) {
        if (bar >= kBridgeStart && bar < kRepriseStart) {
            continue;  // the strings carry the bridge
        }
        // Off-beat hits, and a push into the next bar.
        for (int e : {1, 3, 6}) {
            const std::uint32_t tick = barTick(bar) + static_cast<std::uint32_t>(e * kEighth);
            for (int tone : kChords[bar].tones) {
                track.note(tick, kEighth - 40, kStabChannel, tone, e == 6 ? 92 : 76);
            }
        }
    }
    for (int tone : kChords[kEndingStart].tones) {
        track.note(barTick(kEndingStart), kBar - kEighth, kStabChannel, tone, 100);
    }
    track.endAt(barTick(kTotalBars));
    return track;
}

midi::Track strings() {
    midi::Track track;
    track.name(0, "Strings");
    setUpChannel(track, kPadChannel, kPadProgram, 80, 84, 70);
    for (int bar = kBridgeStart; bar < kRepriseStart; ++bar) {
        for (int tone : kChords[bar].tones) {
            track.note(barTick(bar), kBar - 20, kPadChannel, tone + 12, 70);
        }
    }
    track.endAt(barTick(kTotalBars));
    return track;
}

void fill(midi::Track& track, int bar) {
    // Snare and toms on the last two beats, in sixteenths.
    constexpr int kSixteenth = kEighth / 2;
    constexpr int kToms[8] = {kSnare, kSnare, kHighTom, kHighTom, kMidTom, kMidTom, kLowTom, kLowTom};
    for (int i = 0; i < 8; ++i) {
        const std::uint32_t tick =
            barTick(bar) + 2 * kTicksPerQuarter + static_cast<std::uint32_t>(i * kSixteenth);
        track.note(tick, kSixteenth, kDrumChannel, kToms[i], 80 + 4 * i);
    }
}

midi::Track drums() {
    midi::Track track;
    track.name(0, "Drums");
    track.controlChange(0, kDrumChannel, 7, 110);
    track.controlChange(0, kDrumChannel, 91, 30);
    const auto hit = [&track](int bar, int eighth, int key, int velocity) {
        track.note(barTick(bar) + static_cast<std::uint32_t>(eighth * kEighth), kEighth / 2, kDrumChannel,
                   key, velocity);
    };
    for (int bar = 0; bar < kEndingStart; ++bar) {
        const bool lastOfSection = bar == kThemeStart - 1 || bar == kBridgeStart - 1 ||
                                   bar == kRepriseStart - 1 || bar == kEndingStart - 1;
        const bool firstOfSection = bar == kThemeStart || bar == kBridgeStart || bar == kRepriseStart;
        if (firstOfSection) {
            hit(bar, 0, kCrash, 110);
        }
        // The intro starts with kick and hats alone and brings in the snare in its second bar.
        const bool snare = bar >= 1;
        const int beats = lastOfSection ? 4 : 8;
        for (int e = 0; e < beats; ++e) {
            if (!firstOfSection || e != 0) {
                hit(bar, e, e == 7 && bar % 2 == 1 ? kOpenHat : kClosedHat, e % 2 == 0 ? 82 : 64);
            }
        }
        for (int e : {0, 3, 4}) {
            if (e < beats) {
                hit(bar, e, kKick, 112);
            }
        }
        if (snare) {
            hit(bar, 2, kSnare, 104);
            if (!lastOfSection) {
                hit(bar, 6, kSnare, 104);
            }
        }
        if (lastOfSection) {
            fill(track, bar);
        } else if (bar >= kThemeStart) {
            hit(bar, 7, kKick, 96);
        }
    }
    hit(kEndingStart, 0, kCrash, 120);
    hit(kEndingStart, 0, kKick, 120);
    track.endAt(barTick(kTotalBars));
    return track;
}

}  // namespace

std::vector<std::uint8_t> battleTune() {
    return midi::standardMidiFile({conductor(), lead(), bass(), stabs(), strings(), drums()},
                                  kTicksPerQuarter);
}

}  // namespace assetgen
