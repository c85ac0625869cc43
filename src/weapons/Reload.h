#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// Reloading with the right button: a timed wait after which the magazine is full. A reload is pending exactly
// while the reload timer has an interval.
void RequestReload(MainWindow& window);
// The reload timer's tick: exactly one completion per pending reload.
void CompleteReload(MainWindow& window, GameState& state);

}  // namespace kelvad
