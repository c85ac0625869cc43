// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens the main window and, as a game would, each small window in turn, on whatever platform Qt is given:
// the Wayland test runs it under weston and reads in the protocol log whom each window's toplevel belongs to.
// A ranked game on the virtual clock opens the name entry, its OK the high-score table, the options menu's
// item the speed window. Exits 0 once all were on screen, 1 naming the first that was not.

#include "GameFixture.h"
#include "ScoreGames.h"
#include "ui/Fonts.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/SpeedWindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

bool onScreen(QWidget& window) {
    if (QTest::qWaitForWindowExposed(&window)) {
        std::printf("on screen: %s\n", qPrintable(window.objectName()));
        return true;
    }
    std::printf("never on screen: %s\n", qPrintable(window.objectName()));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvad::installFontSubstitutions();
    kelvad::testing::GameFixture game;
    kelvad::MainWindow& window = game.window();
    if (!onScreen(window)) {
        return 1;
    }
    // 3500 points beat the first place of a fresh table.
    kelvad::testing::playGameScoring(game, 3500);
    kelvad::NameEntryWindow& entry = window.nameEntryWindow();
    if (!onScreen(entry)) {
        return 1;
    }
    entry.okButton->click();
    kelvad::HighScoreTableWindow& table = window.highScoreTableWindow();
    if (!onScreen(table)) {
        return 1;
    }
    table.okButton->click();
    window.findChild<QAction*>(QStringLiteral("B6"))->trigger();
    return onScreen(window.speedWindow()) ? 0 : 1;
}
