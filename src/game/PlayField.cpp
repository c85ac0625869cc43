// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/PlayField.h"

#include "platform/RandomSource.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <array>
#include <cmath>

namespace kelvad {

static_assert(kPlates == kMenOnField, "men and plates share one index");

std::size_t pieceIndex(int index) {
    return index >= 0 && index < kMenOnField ? static_cast<std::size_t>(index) : 0;
}

ImageBox* manImage(MainWindow& window, int man) {
    return window.men[pieceIndex(man)];
}

PictureBox* plateBox(MainWindow& window, int plate) {
    return window.plates[pieceIndex(plate)];
}

FieldPoint& manPlace(GameState& state, int man) {
    return state.menPlaces[pieceIndex(man)];
}

FieldPoint& platePlace(GameState& state, int plate) {
    return state.platePlaces[pieceIndex(plate)];
}

FieldPoint& civilianPlace(GameState& state) {
    return state.civilianPlace;
}

void placeAtRandom(platform::RandomSource& random, QWidget& widget, FieldPoint& place) {
    place.left = static_cast<float>(std::floor(random.next() * kFieldLeftRange));
    place.top = static_cast<float>(std::floor(random.next() * kFieldTopRange));
    widget.move(twipsToPixels(static_cast<double>(place.left)),
                twipsToPixels(static_cast<double>(place.top)));
}

}  // namespace kelvad
