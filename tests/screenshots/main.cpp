// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays scripted moments of a game on the virtual clock and saves what the player would see, for looking at
// the game and for the documentation: kelvad-screenshots <folder>. Run it on a real display (scripts/on-xvfb)
// so that fonts and window frames are those of the desktop.
#include "GameFixture.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTextStream>

namespace {

using kelvad::testing::GameFixture;

// A random value that lands a man at this left or top in twips.
double leftAt(int twips) {
    return (twips + 0.5) / 3240.0;
}
double topAt(int twips) {
    return (twips + 0.5) / 2880.0;
}

bool save(QWidget& widget, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvad::installFontSubstitutions();
    if (argc < 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "usage: kelvad-screenshots <folder>" << Qt::endl;
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    GameFixture game;
    kelvad::MainWindow& window = game.window();
    ok = save(window, folder, QStringLiteral("ready")) && ok;

    game.choose("B13");
    // Yellow at 1500, 1200; blue at 400, 2000; later jumps spread out.
    game.platform.random.script(
        {leftAt(1500), topAt(1200), leftAt(400), topAt(2000), leftAt(2600), topAt(600)});
    game.clickStart();
    game.advance(1600);
    game.press(game.control("I2"), Qt::LeftButton);
    game.advance(700);
    // The mark is on screen only while its frame waits: take the second frame.
    int frame = 0;
    game.platform.sleeper.duringWait = [&] {
        if (++frame == 2) {
            ok = save(window, folder, QStringLiteral("shot-mark")) && ok;
        }
    };
    game.press(game.control("Picture1"), Qt::LeftButton, QPoint(150, 60));
    game.platform.sleeper.duringWait = nullptr;
    ok = save(window, folder, QStringLiteral("fallen-man")) && ok;

    // The yellow man, hit at each of his jumps, brings both stage changes.
    const auto killYellowUntil = [&](int kills) {
        for (int tries = 0; tries < 400 && game.game().killCount() < kills; ++tries) {
            game.advance(100);
            if (game.control("I3")->isVisible()) {
                game.press(game.control("I3"), Qt::LeftButton);
            }
        }
    };
    killYellowUntil(21);
    ok = save(window, folder, QStringLiteral("second-stage")) && ok;
    killYellowUntil(41);
    ok = save(window, folder, QStringLiteral("third-stage")) && ok;

    game.advance(40000);
    ok = save(*game.control("Form2"), folder, QStringLiteral("name-entry")) && ok;
    game.control("Form2")->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    ok = save(*game.control("Form3"), folder, QStringLiteral("high-scores")) && ok;
    game.control("Form3")->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    game.choose("B6");
    ok = save(*game.control("Form4"), folder, QStringLiteral("game-speed")) && ok;
    return ok ? 0 : 1;
}
