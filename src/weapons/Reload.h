#pragma once

namespace kelvad {

class Form1;

// Reloading with the right button: a timed wait after which the magazine is full. A reload is pending exactly
// while the reload timer has an interval.
void RequestReload(Form1& form);
// The reload timer's tick: exactly one completion per pending reload.
void CompleteReload(Form1& form);

}  // namespace kelvad
