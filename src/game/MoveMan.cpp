// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PlayField.h"
#include "game/Targets.h"
#include "platform/RandomSource.h"
#include "state/GameState.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"

namespace kelvad {

void MoveMan(MainWindow& window, GameState& state, int man) {
    ImageBox* image = manImage(window, man);
    image->show();
    image->setEnabled(true);
    platform::RandomSource& random = window.platform().random;
    random.reseedFromClock();
    placeAtRandom(random, *image, manPlace(state, man));
}

}  // namespace kelvad
