// The game: makes the real platform and opens the main window.
#include "platform/CloseOnSignals.h"
#include "platform/Platform.h"
#include "platform/QtFluidSoundDevice.h"
#include "platform/QtHelpViewer.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtScheduler.h"
#include "platform/QtSystem.h"
#include "platform/ScoreDirectory.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvad"));
    kelvad::installFontSubstitutions();

    kelvad::platform::QtScheduler scheduler;
    kelvad::platform::QtMessageBoxes messageBoxes;
    kelvad::platform::QtBeeper beeper;
    kelvad::platform::ThreadSleeper sleeper;
    kelvad::platform::ClockRandomSource random;
    kelvad::platform::QtHelpViewer helpViewer;
    kelvad::platform::QtFluidSoundDevice soundDevice;
    const QString programDirectory = QApplication::applicationDirPath();
    const QString scoreDirectory = kelvad::platform::chooseScoreDirectory(
        programDirectory, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        kelvad::platform::folderTakesNewFiles);
    kelvad::platform::Platform platform{scheduler,   messageBoxes, beeper,           sleeper,       random,
                                        soundDevice, helpViewer,   programDirectory, scoreDirectory};

    kelvad::Form1 form(platform);
    // Logging out of the desktop and Ctrl+C in a terminal close the game as its window's close control does.
    kelvad::platform::CloseOnSignals closeOnSignals(form);
    form.show();
    return QApplication::exec();
}
