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
    void firstStartWritesDefaultFile();
    void loadKeepsReadableFile();
    void loadReplacesDamagedFile_data();
    void loadReplacesDamagedFile();
    void loadGoesOnWhenFileCannotBeWritten_data();
    void loadGoesOnWhenFileCannotBeWritten();
    void saveWritesTable();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void resetWritesDefaults();
    void failedResetKeepsOldFile();
    void rereadTakesFileChanges();
    void rereadRestoresLostFile_data();
    void rereadRestoresLostFile();
};

}  // namespace kelvad
