#include "game/Lifecycle.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/clsProgressBar.h"

namespace kelvad {

void ClockTick(Form1& form) {
    if (gameState.timeLeft <= 0) {
        EndGame(form);
        return;
    }
    gameState.timeLeft -= 1;
    // The bar steps by itself: after the time bonus it is longer than the game.
    form.timeGauge->setValue(form.timeGauge->Value() - 1);
}

}  // namespace kelvad
