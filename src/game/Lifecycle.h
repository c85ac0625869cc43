#pragma once

namespace kelvad {

class Form1;

// The life of a game: ready -> playing on Start, playing -> end-of-game windows when the clock runs out,
// playing -> ready when the player asks for it.

// Start (the Start button, the start menu item): ready to playing.
void StartGame(Form1& form);
// Each tick of the game clock: counts down and ends the game when the time is up.
void ClockTick(Form1& form);
// Playing to the end-of-game windows: stops everything, shows the score and hands over to the high scores.
void EndGame(Form1& form);
// After each hit on a man has been scored: counts the kill and changes the stage at 21 and 41 kills.
void CountKill(Form1& form);
void ResetGameCounters();
// Ends play, at the end of a game or on the way back to the ready state: the tune, the men, the plates and
// the timers of the clock, the men and the civilian stop.
void StopPlay(Form1& form);
// Time out: the tune pauses and the game holds while the message is open.
void PauseGame(Form1& form);
// Back to the state after start-up, after the player confirms.
void ReturnToReadyState(Form1& form);

// The game's constants.
inline constexpr int kTicksPerGame = 60;
inline constexpr int kFirstStageKills = 20;
inline constexpr int kSecondStageKills = 40;
inline constexpr int kFirstStageBonus = 20;
inline constexpr int kSecondStageBonus = 40;

}  // namespace kelvad
