// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game: makes the real platform and opens the main window.
#include "app/CommandLine.h"
#include "app/GameWindows.h"
#include "app/Translation.h"
#include "platform/ClockRandomSource.h"
#include "platform/CloseOnSignals.h"
#include "platform/FirstFrame.h"
#include "platform/GameSoundDevice.h"
#include "platform/Platform.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtBeeper.h"
#include "platform/QtHelpViewer.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtScheduler.h"
#include "platform/ScoreDirectory.h"
#include "platform/ThreadSleeper.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    const kelvad::CommandLineAnswer commandLine = kelvad::answerCommandLine(argc, argv);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvad"));
    kelvad::Translation translation;
    translation.use(commandLine.language);
    kelvad::installFontSubstitutions();

    kelvad::platform::QtScheduler scheduler;
    kelvad::platform::QtMessageBoxes messageBoxes;
    kelvad::platform::QtBeeper beeper;
    kelvad::platform::ThreadSleeper sleeper;
    kelvad::platform::ClockRandomSource random;
    kelvad::platform::QtHelpViewer helpViewer;
    const QString executableDirectory = QApplication::applicationDirPath();
    const QString programDirectory = kelvad::platform::findProgramDirectory(executableDirectory);
    // The desktop's mixer shows the game under its title.
    const QByteArray mixerName =
        QCoreApplication::translate("kelvad::MainWindow", "ケルバド解消ゲーム").toUtf8();
    kelvad::platform::GameSoundDevice soundDevice(
        {mixerName.constData(), "jp.kelvad.Kelvad"},
        kelvad::platform::findSoundModuleDirectory(executableDirectory));
    const QString scoreDirectory = kelvad::platform::chooseScoreDirectory(
        programDirectory, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        kelvad::platform::folderTakesNewFiles);
    kelvad::platform::Platform platform{scheduler,   messageBoxes, beeper,           sleeper,       random,
                                        soundDevice, helpViewer,   programDirectory, scoreDirectory};

    // The game and its windows, for the whole run.
    kelvad::GameWindows game(platform);
    kelvad::MainWindow* window = &game.window();
    // Boxes and the help belong to the window their question is about.
    messageBoxes.setWindows([window](kelvad::platform::BoxOwner owner) -> QWidget* {
        return owner == kelvad::platform::BoxOwner::HighScoreTable ? window->highScoreTableWindow() : window;
    });
    helpViewer.setOwner(window);
    kelvad::platform::afterFirstFrame(*window, [&soundDevice] { soundDevice.startLoading(); });
    // Logging out of the desktop and Ctrl+C in a terminal close the game as its window's close control does.
    kelvad::platform::CloseOnSignals closeOnSignals(*window);
    window->show();
    return QApplication::exec();
}
