#pragma once

#include <memory>

namespace kelvad {

class MainWindow;

namespace platform {
struct Platform;
}

// The main window as the game opens it: built, its events and those of its small windows connected to the
// game's operations, its sound made, and its load run, so that the game is in its ready state. Not yet shown.
std::unique_ptr<MainWindow> makeGameWindow(platform::Platform& platform);

}  // namespace kelvad
