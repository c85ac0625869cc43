// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// The life of a game: ready -> playing on Start, playing -> end-of-game windows when the clock runs out,
// playing -> ready when the player asks for it.

// Start (the Start button, the start menu item): ready to playing.
void StartGame(MainWindow& window, GameState& state);
// Each tick of the game clock: counts down and ends the game when the time is up.
void ClockTick(MainWindow& window, GameState& state);
// Playing to the end-of-game windows: stops everything, shows the score and hands over to the high scores.
void EndGame(MainWindow& window, GameState& state);
// After each hit on a man has been scored: counts the kill and changes the stage at 21 and 41 kills.
void CountKill(MainWindow& window, GameState& state);
void ResetGameCounters(GameState& state);
// Ends play, at the end of a game or on the way back to the ready state: the tune, the men, the plates and
// the timers of the clock, the men and the civilian stop.
void StopPlay(MainWindow& window);
// Time out: the tune pauses and the game holds while the message is open.
void PauseGame(MainWindow& window);
// Back to the state after start-up, after the player confirms.
void ReturnToReadyState(MainWindow& window);

// The game's constants.
inline constexpr int kTicksPerGame = 60;
inline constexpr int kFirstStageKills = 20;
inline constexpr int kSecondStageKills = 40;
inline constexpr int kFirstStageBonus = 20;
inline constexpr int kSecondStageBonus = 40;

}  // namespace kelvad
