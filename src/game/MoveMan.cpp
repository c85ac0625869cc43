#include "game/PlayField.h"
#include "game/Targets.h"
#include "platform/RandomSource.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"

namespace kelvad {

void MoveMan(Form1& form, int man) {
    ImageBox* image = manImage(form, man);
    image->show();
    image->setEnabled(true);
    platform::RandomSource& random = form.platform().random;
    random.reseedFromClock();
    placeAtRandom(random, *image, manPlace(man));
}

}  // namespace kelvad
