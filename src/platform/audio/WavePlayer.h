// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/audio/WaveFile.h"

#include <QHash>
#include <QString>

#include <memory>

namespace kelvad::platform {

// Where the wave sounds go.
class WaveOutput {
public:
    virtual ~WaveOutput() = default;
    virtual bool available() const = 0;
    // Returns at once; the sound still playing is cut off.
    virtual void start(std::shared_ptr<const MixedSound> sound) = 0;
    virtual void stop() = 0;
};

// Plays the game's wave sounds. Each file is read and made ready for the mixer once, and kept, so a shot
// sounds at once. Without an output, or for a missing or damaged file, nothing happens.
class WavePlayer final {
public:
    explicit WavePlayer(std::unique_ptr<WaveOutput> output);
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    bool hasOutput() const { return m_output->available(); }
    void play(const QString& path);
    // Returns once the sound has had the time to play to its end.
    void playToEnd(const QString& path);
    void stop();

private:
    std::shared_ptr<const MixedSound> sound(const QString& path);

    std::unique_ptr<WaveOutput> m_output;
    QHash<QString, std::shared_ptr<const MixedSound>> m_sounds;
};

}  // namespace kelvad::platform
