#pragma once

namespace kelvad {

class MainWindow;

// The game-speed dialog: moving the slider applies its row at once; OK also saves the position so that the
// dialog reopens there. Cancel only hides it: a moved slider still counts at the next start.
void OpenSpeedDialog(MainWindow& window);
// A click on the slider or a move over it.
void FollowSlider(MainWindow& window);
void ConfirmSpeed(MainWindow& window);
void CancelSpeed(MainWindow& window);

}  // namespace kelvad
