#include "game/Shots.h"
#include "game/Targets.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "weapons/Reload.h"

namespace kelvad {

void FieldMouseDown(MainWindow& window, int button) {
    if (button == kRightButton) {
        RequestReload(window);
        return;
    }
    // A miss: the pressed man stays what it was.
    FireShot(window);
}

void ManMouseDown(MainWindow& window, int man, int button) {
    window.pressedMan = man;
    if (button == kRightButton) {
        RequestReload(window);
        return;
    }
    if (FireShot(window)) {
        HitMan(window, man);
    }
}

void TrackPointer(MainWindow& window, float x, float y) {
    window.pointerX = x;
    window.pointerY = y;
}

void TrackCivilianPointer(MainWindow& window, float x, float y) {
    TrackPointer(window, x + gameState.civilianX, y + gameState.civilianY);
}

}  // namespace kelvad
