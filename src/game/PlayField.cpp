#include "game/PlayField.h"

#include "platform/RandomSource.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <array>
#include <cmath>

namespace kelvad {

namespace {

constexpr std::array<float GameState::*, kMenOnField> kManLefts{&GameState::manX1, &GameState::manX2,
                                                                &GameState::manX3};
constexpr std::array<float GameState::*, kMenOnField> kManTops{&GameState::manY1, &GameState::manY2,
                                                               &GameState::manY3};
constexpr std::array<float MainWindow::*, kPlates> kPlateLefts{&MainWindow::plateX1, &MainWindow::plateX2,
                                                               &MainWindow::plateX3};
constexpr std::array<float MainWindow::*, kPlates> kPlateTops{&MainWindow::plateY1, &MainWindow::plateY2,
                                                              &MainWindow::plateY3};

static_assert(kPlates == kMenOnField, "men and plates share one index");

}  // namespace

std::size_t pieceIndex(int index) {
    return index >= 0 && index < kMenOnField ? static_cast<std::size_t>(index) : 0;
}

ImageBox* manImage(MainWindow& window, int man) {
    return window.men[pieceIndex(man)];
}

FieldPlace manPlace(int man) {
    const std::size_t index = pieceIndex(man);
    return {gameState.*kManLefts[index], gameState.*kManTops[index]};
}

PictureBox* plateBox(MainWindow& window, int plate) {
    return window.plates[pieceIndex(plate)];
}

FieldPlace platePlace(MainWindow& window, int plate) {
    const std::size_t index = pieceIndex(plate);
    return {window.*kPlateLefts[index], window.*kPlateTops[index]};
}

FieldPlace civilianPlace() {
    return {gameState.civilianX, gameState.civilianY};
}

void placeAtRandom(platform::RandomSource& random, QWidget& widget, FieldPlace place) {
    place.left = static_cast<float>(std::floor(random.next() * kFieldLeftRange));
    place.top = static_cast<float>(std::floor(random.next() * kFieldTopRange));
    widget.move(twipsToPixels(static_cast<double>(place.left)),
                twipsToPixels(static_cast<double>(place.top)));
}

}  // namespace kelvad
