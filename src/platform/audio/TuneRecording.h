// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace kelvad::platform {

// The tune as the synthesizer rendered it through a whole game, kept in the user's cache folder so that
// later games play it back instead of synthesizing it again: the synthesis is most of the CPU a game takes.
// The file is named by everything the rendering depends on (the tune, the soundfont, FluidSynth's version
// and the synthesizer's settings), so a change to any of them makes a new one. A missing, damaged or
// unreadable file only means the tune is synthesized again.
class TuneRecording final {
public:
    // Frames are interleaved stereo, 16 bits, at the synthesizer's rate.
    static constexpr int channels = 2;

    // Where the rendering of this tune with this soundfont and these settings is kept; empty without a cache
    // folder.
    static QString pathFor(const QByteArray& tune, const QString& soundFont, const QByteArray& settings);
    // Null when there is no whole, sound file there.
    static std::unique_ptr<TuneRecording> open(const QString& path);
    // Written whole or not at all, and then the only recording kept; false when the folder cannot take it.
    static bool save(const QString& path, const std::vector<int16_t>& stereo, int64_t eventsEndFrame);

    int64_t frames() const { return m_frames; }
    // Where the tune's last event falls; the rest is its last notes ringing out.
    int64_t eventsEndFrame() const { return m_eventsEnd; }
    // `frames` frames from frame `at`, silence past the end or where the file cannot be read.
    void read(int64_t at, float* stereo, int frames);

private:
    TuneRecording() = default;

    QFile m_file;
    int64_t m_frames = 0;
    int64_t m_eventsEnd = 0;
    std::vector<int16_t> m_buffer;
};

}  // namespace kelvad::platform
