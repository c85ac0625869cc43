// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// kelvad-assetgen: writes the game's pictures, sounds, tune and help page into the program directory.
// Usage: kelvad-assetgen <program-dir> [<contact-sheet.png>]

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "ContactSheet.h"
#include "FileWriters.h"
#include "ProgramFiles.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() < 2 || args.size() > 3) {
        err << "usage: kelvad-assetgen <program-dir> [<contact-sheet.png>]\n";
        return 2;
    }
    const QDir programDir(args.at(1));
    const QStringList failed = assetgen::writeProgramFiles(programDir);
    for (const QString& name : failed) {
        err << "kelvad-assetgen: could not write " << programDir.filePath(name) << "\n";
    }
    if (args.size() == 3 && !assetgen::writePng(assetgen::contactSheet(), args.at(2))) {
        err << "kelvad-assetgen: could not write " << args.at(2) << "\n";
        return 1;
    }
    return failed.isEmpty() ? 0 : 1;
}
