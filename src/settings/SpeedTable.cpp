#include "settings/SpeedTable.h"

#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/SpeedWindow.h"

#include "ui/Slider.h"

namespace kelvad {

void ApplySpeedTable(int p) {
    const std::optional<SpeedRow> row = speedRow(p);
    if (!row) {
        return;
    }
    gameState.startScore = row->startScore;
    gameState.manInterval1 = row->manInterval1;
    gameState.manInterval2 = row->manInterval2;
    gameState.manInterval3 = row->manInterval3;
}

void ApplySpeed(MainWindow& window) {
    ApplySpeedTable(window.speedWindow().speedSlider->value());
}

}  // namespace kelvad
