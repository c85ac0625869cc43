// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace kelvad {
class Game;
}

namespace kelvad::testing {

// The controls that follow the state of the game, one entry each ("B19 off", "TAITOLU(0) shown",
// "Label20 0"), so that a QCOMPARE names every control that is not as expected: the main window, the title
// and legend panels, the Start button, the game menu items, the time-bonus square and the kill counter, as
// the game holds them (GameFixture.h has them as the main window shows them).
QStringList controlStates(const Game& game);
// One entry of such a list.
QString enabledState(const QString& name, bool on);
QString shownState(const QString& name, bool on);

// Where a new game can start: after start-up, after a return to the start and after the table's OK.
QStringList readyControls();
// Just after the start of a game.
QStringList playingControls();

}  // namespace kelvad::testing
