// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens the main window and, as a game would, each small window in turn, on whatever platform Qt is given:
// the Wayland test runs it under weston and reads in the protocol log whom each window's toplevel belongs to.
// A ranked game on the virtual clock opens the name entry, its OK the high-score table, the options menu's
// item the speed window. Exits 0 once all were on screen, 1 naming the first that was not.

#include "GameFixture.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

bool onScreen(QWidget* window) {
    if (QTest::qWaitForWindowExposed(window)) {
        std::printf("on screen: %s\n", qPrintable(window->objectName()));
        return true;
    }
    std::printf("never on screen: %s\n", qPrintable(window->objectName()));
    return false;
}

void clickOn(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(QLatin1String(button))->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvad::installFontSubstitutions();
    kelvad::testing::GameFixture game;
    if (!onScreen(&game.window())) {
        return 1;
    }
    // The fastest speed: a game of no hits ends with 250 points, enough for the default table.
    game.choose("B6");
    QWidget* speed = game.control("Form4");
    if (!onScreen(speed)) {
        return 1;
    }
    QTest::keyClick(game.control("Slider1"), Qt::Key_End);
    clickOn(speed, "Command2");
    game.clickStart();
    game.advance(61 * 500);
    if (!onScreen(game.control("Form2"))) {
        return 1;
    }
    clickOn(game.control("Form2"), "Command1");
    return onScreen(game.control("Form3")) ? 0 : 1;
}
