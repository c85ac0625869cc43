#pragma once

#include <QObject>

// The real message boxes and the signals that close the game, on Qt's own event loop.
class QtSeamsTest : public QObject {
    Q_OBJECT

private slots:
    void aMessageBoxBelongsToItsOwner_data();
    void aMessageBoxBelongsToItsOwner();
    void aSignalClosesTheWindowOnTheEventLoop_data();
    void aSignalClosesTheWindowOnTheEventLoop();
};
