// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kelvad::platform {

class Scheduler;
class MessageBoxes;
class Beeper;
class Sleeper;
class RandomSource;
class SoundDevice;
class HelpViewer;

// Everything the game takes from the platform. main() hands in the real things, tests hand in fakes.
struct Platform {
    Scheduler& scheduler;
    MessageBoxes& messageBoxes;
    Beeper& beeper;
    Sleeper& sleeper;
    RandomSource& random;
    SoundDevice& soundDevice;
    HelpViewer& helpViewer;
    // The folder of the executable: the base of every file the game reads.
    QString programDirectory;
    // The folder of the high-score file: the program directory, unless the player may not write there.
    QString scoreDirectory;
};

// Joins a file name of the game ("\TOKUTEN", "\Gun1.Wav") to the program directory.
QString programFile(const QString& programDirectory, const QString& name);

}  // namespace kelvad::platform
