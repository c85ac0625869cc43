#include "game/PlayField.h"

#include "platform/RandomSource.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/Twips.h"

#include <array>
#include <cmath>

namespace kelvad {

namespace {

constexpr std::array<ImageBox * Form1::*, kMenOnField> kManImages{&Form1::I1, &Form1::I2, &Form1::I3};
constexpr std::array<float GameState::*, kMenOnField> kManLefts{&GameState::manX1, &GameState::manX2,
                                                                &GameState::manX3};
constexpr std::array<float GameState::*, kMenOnField> kManTops{&GameState::manY1, &GameState::manY2,
                                                               &GameState::manY3};
constexpr std::array<PictureBox * Form1::*, kPlates> kPlateBoxes{&Form1::D1, &Form1::D2, &Form1::D3};
constexpr std::array<float Form1::*, kPlates> kPlateLefts{&Form1::plateX1, &Form1::plateX2, &Form1::plateX3};
constexpr std::array<float Form1::*, kPlates> kPlateTops{&Form1::plateY1, &Form1::plateY2, &Form1::plateY3};

static_assert(kPlates == kMenOnField, "men and plates share one index");

}  // namespace

std::size_t pieceIndex(int index) {
    return index >= 0 && index < kMenOnField ? static_cast<std::size_t>(index) : 0;
}

ImageBox* manImage(Form1& form, int man) {
    return form.*kManImages[pieceIndex(man)];
}

FieldPlace manPlace(int man) {
    const std::size_t index = pieceIndex(man);
    return {gameState.*kManLefts[index], gameState.*kManTops[index]};
}

PictureBox* plateBox(Form1& form, int plate) {
    return form.*kPlateBoxes[pieceIndex(plate)];
}

FieldPlace platePlace(Form1& form, int plate) {
    const std::size_t index = pieceIndex(plate);
    return {form.*kPlateLefts[index], form.*kPlateTops[index]};
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
