// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The bytes of the high-score file: what the game writes and what it accepts.
class HighScoreFormatTest : public QObject {
    Q_OBJECT

private slots:
    void defaultFileBytes();
    void scoresWrittenAsPlainDecimal();
    void roundTrip_data();
    void roundTrip();
    void read_data();
    void read();
    void readsOnlyWhatTheFieldsNeed_data();
    void readsOnlyWhatTheFieldsNeed();
};

}  // namespace kelvad
