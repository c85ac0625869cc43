// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Shots.h"
#include "game/Targets.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "weapons/Reload.h"

namespace kelvad {

void FieldMouseDown(MainWindow& window, GameState& state, int button) {
    if (button == kRightButton) {
        RequestReload(window);
        return;
    }
    // A miss: the pressed man stays what it was.
    FireShot(window, state);
}

void ManMouseDown(MainWindow& window, GameState& state, int man, int button) {
    state.pressedMan = man;
    if (button == kRightButton) {
        RequestReload(window);
        return;
    }
    if (FireShot(window, state)) {
        HitMan(window, state, man);
    }
}

void TrackPointer(GameState& state, float x, float y) {
    state.pointer.left = x;
    state.pointer.top = y;
}

void TrackCivilianPointer(GameState& state, float x, float y) {
    TrackPointer(state, x + state.civilianPlace.left, y + state.civilianPlace.top);
}

}  // namespace kelvad
