#pragma once

#include <memory>

namespace kelvad {

class Form1;

namespace platform {
struct Platform;
}

// The main window as the game opens it: built, its events and those of its small windows connected to the
// game's operations, its sound made, and its load run, so that the game is in its ready state. Not yet shown.
std::unique_ptr<Form1> makeGameWindow(platform::Platform& platform);

}  // namespace kelvad
