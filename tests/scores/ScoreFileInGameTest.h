#pragma once

#include <QObject>

namespace kelvad {

// The high-score file as a game meets it: the first run, and a file the game cannot write at start-up or
// when a new entry is saved.
class ScoreFileInGameTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstRunWritesTheDefaultFile();
    void anUnwritableFileAtStartUp_data();
    void anUnwritableFileAtStartUp();
    void anUnwritableFileAtASave_data();
    void anUnwritableFileAtASave();
};

}  // namespace kelvad
