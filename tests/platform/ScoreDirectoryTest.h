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
