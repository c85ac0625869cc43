#include "game/Shots.h"
#include "game/Targets.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "weapons/Reload.h"

namespace kelvad {

void FieldMouseDown(Form1& form, int button) {
    if (button == kRightButton) {
        RequestReload(form);
        return;
    }
    // A miss: the pressed man stays what it was.
    FireShot(form);
}

void ManMouseDown(Form1& form, int man, int button) {
    form.pressedMan = man;
    if (button == kRightButton) {
        RequestReload(form);
        return;
    }
    if (FireShot(form)) {
        HitMan(form, man);
    }
}

void TrackPointer(Form1& form, float x, float y) {
    form.pointerX = x;
    form.pointerY = y;
}

void TrackCivilianPointer(Form1& form, float x, float y) {
    TrackPointer(form, x + gameState.civilianX, y + gameState.civilianY);
}

}  // namespace kelvad
