// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// The help menu item and F1: the help's contents page.
void ShowHelp(MainWindow& window);
// The version message.
void ShowVersion(MainWindow& window);
// Closing the main window, and the exit item: the program ends at once, in every state. A name being entered
// is stored as its OK stores it; nothing else needs saving, since every change of the table is written at
// once.
void EndProgram(MainWindow& window, GameState& state);
// A click on the small black square beside the kill counter before a game: the time bar grows to 75 while
// a game still lasts 60 ticks.
void TimeBonusClick(MainWindow& window);

inline constexpr int kTimeBonusMax = 75;

}  // namespace kelvad
