#pragma once

namespace kelvad {

class Form1;

// The game-speed dialog: moving the slider applies its row at once; OK also saves the position so that the
// dialog reopens there. Cancel only hides it: a moved slider still counts at the next start.
void OpenSpeedDialog(Form1& form);
// A click on the slider or a move over it.
void FollowSlider(Form1& form);
void ConfirmSpeed(Form1& form);
void CancelSpeed(Form1& form);

}  // namespace kelvad
