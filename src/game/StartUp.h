#pragma once

namespace kelvad {

class Form1;

// The load of the main window, run once it is built and connected and has its sound: sets the game variables
// and puts the window into its ready state.
void Form1Load(Form1& form);

}  // namespace kelvad
