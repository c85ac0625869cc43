// Forwards the main window's events to the game's operations.
#include "ui/Form1.h"

#include <QAction>
#include <QCoreApplication>

namespace kelvad {

void Form1::connectEvents() {
    connect(B5, &QAction::triggered, this, [] { QCoreApplication::quit(); });
}

}  // namespace kelvad
