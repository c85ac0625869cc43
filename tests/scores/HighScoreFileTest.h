// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The high-score file on disk: start-up, save, reset and re-read, and writes that fail.
class HighScoreFileTest : public QObject {
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void loadGoesOnWhenFileCannotBeWritten_data();
    void loadGoesOnWhenFileCannotBeWritten();
    void writes_data();
    void writes();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void reread_data();
    void reread();
};

}  // namespace kelvad
