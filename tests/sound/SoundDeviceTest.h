#pragma once

#include <QObject>

namespace kelvad {

// The real sound device on a machine without audio output: it says so, and nothing it is asked waits.
class SoundDeviceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void reportsNoOutput();
    void everyCallReturnsAtOnce();
    void madeAndGoneInABlink();
};

}  // namespace kelvad
