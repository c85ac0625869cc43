#pragma once

#include "state/HighScoreTable.h"

#include <QString>

#include <cstdint>

namespace kelvad {

// The program-wide game variables, shared by every window. Where a value is shown on screen, whoever writes
// it updates the control in the same step.
struct GameState {
    // Ticks of the game clock still to play; the game ends at the first tick that finds 0 or less.
    std::int32_t timeLeft = 0;
    std::int32_t score = 0;
    // The score a game begins with: a function of the speed setting.
    std::int32_t startScore = 0;
    // Hits per shot in whole percent, halves rounded to even.
    std::int32_t hitRate = 0;
    QString gunSoundFile;
    QString civilianSoundFile;
    QString bonusSoundFile;
    // Bullets left in the current gun's magazine; a shot at 0 is refused.
    std::int32_t ammoLeft = 0;
    // The place (1..5) the finished game's score has won in the table.
    std::int32_t newRank = 0;
    // Jump intervals of the black, blue and yellow man, in ms.
    std::int32_t manInterval1 = 0;
    std::int32_t manInterval2 = 0;
    std::int32_t manInterval3 = 0;
    // Where each man and the civilian were last placed, in twips inside the play field.
    float manX1 = 0;
    float manY1 = 0;
    float manX2 = 0;
    float manY2 = 0;
    float manX3 = 0;
    float manY3 = 0;
    float civilianX = 0;
    float civilianY = 0;
    // The bonus meter: hits fill it, and at 25 the next shot brings up a bonus plate.
    std::int32_t bonusCharge = 0;
    kelvad::HighScoreTable HighScoreTable;
    // The table holds a change the high-score file could not take (a read-only folder, a full disk).
    bool highScoresUnsaved = false;
    std::int32_t killCount = 0;
    // The speed slider's saved position, 0 (slow) to 10 (fast).
    std::int32_t speedSetting = 5;
};

// The one set of game variables of the program.
extern GameState gameState;

}  // namespace kelvad
