// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace kelvad::platform {

// Whether the bytes begin as a Standard MIDI File does: its header chunk is 14 bytes long.
inline bool isMidiFile(const QByteArray& bytes) {
    return bytes.size() >= 14 && bytes.startsWith("MThd");
}

// A synthesizer that plays one MIDI tune at a time. Its calls may come from the game's thread while another
// thread renders it.
class TuneSynth {
public:
    virtual ~TuneSynth() = default;

    // Replaces the tune; the new one waits at its start. False for bytes that are no Standard MIDI File, and
    // when the synthesizer cannot sound it.
    virtual bool load(const QByteArray& midiFile) = 0;
    // From the start, with nothing of an earlier play ringing on, or on from where the tune was paused.
    virtual void play(bool fromStart) = 0;
    // Keeps the position; the notes that sound are released. A tune that has ended stays ended.
    virtual void pause() = 0;
    virtual void unload() = 0;
    virtual bool hasTune() const = 0;
    // Played to its last event.
    virtual bool ended() const = 0;
};

}  // namespace kelvad::platform
