// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// Reading wave files: the formats the game's sounds come in, and the damage that must end in silence.
class WaveFileTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void duration();
    void convertsForTheMixer_data();
    void convertsForTheMixer();
    void unreadableFiles();
};

// The wave player's own part: what it hands to the output, and when it holds back.
class WavePlayerTest : public QObject {
    Q_OBJECT

private slots:
    void handsOverEachSound();
    void missingOrDamagedFilesAreSilent();
    void keepsSoundsLoaded();
    void findsAFileThatTurnsUpLater();
    void nothingWithoutOutput();
    void playToEndWaitsForTheSound();
};

}  // namespace kelvad
