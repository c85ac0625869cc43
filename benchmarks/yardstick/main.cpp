// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the game's start-up, memory and idle figures: the smallest Qt Widgets window of the
// game's size, a main window whose 430 x 279 client area sits under a menu bar with one menu, holding one
// label. scripts/measure starts it alternately with the game, so that both meet the same machine and load.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("kelvad-yardstick"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("&Quit"), &app, &QApplication::quit);
    auto* label = new QLabel(QStringLiteral("A window of the game's size"));
    label->setFixedSize(430, 279);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.show();
    return QApplication::exec();
}
