// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// A whole scripted session of three games, written down as the player sees and hears it, and compared with
// game-transcript.txt beside this file (game-transcript-en.txt in English).
class TranscriptTest : public QObject {
    Q_OBJECT

private slots:
    void aWholeSessionIsAsRecorded_data();
    void aWholeSessionIsAsRecorded();
    // The same session played by the game alone, with no window, gives the same play and the same sounds.
    void aWholeSessionPlaysTheSameWithoutWindows();
};
