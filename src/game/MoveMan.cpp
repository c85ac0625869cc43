#include "game/Targets.h"
#include "platform/RandomSource.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/Twips.h"

#include <cmath>

namespace kelvad {

ImageBox* manImage(Form1& form, int k) {
    switch (k) {
        case 2:
            return form.I2;
        case 3:
            return form.I3;
        default:
            return form.I1;
    }
}

void MoveMan(Form1& form, int k) {
    ImageBox* man = manImage(form, k);
    man->show();
    man->setEnabled(true);
    platform::RandomSource& random = form.platform().random;
    random.reseedFromClock();
    const auto left = static_cast<float>(std::floor(random.next() * kFieldLeftRange));
    const auto top = static_cast<float>(std::floor(random.next() * kFieldTopRange));
    float* x[] = {&gameState.manX1, &gameState.manX2, &gameState.manX3};
    float* y[] = {&gameState.manY1, &gameState.manY2, &gameState.manY3};
    *x[k - 1] = left;
    *y[k - 1] = top;
    man->move(twipsToPixels(static_cast<double>(left)), twipsToPixels(static_cast<double>(top)));
}

}  // namespace kelvad
