// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class ScoreDirectoryTest : public QObject {
    Q_OBJECT

private slots:
    void aWritableProgramDirectoryKeepsTheScores();
    void anInstalledGameStartsFromItsTableInTheDataFolder();
    void withoutAnInstalledTableTheDataFolderStartsEmpty();
    void anUnusableDataFolderFallsBackToTheProgramDirectory();
    void theGamesFilesAreFound_data();
    void theGamesFilesAreFound();
};
