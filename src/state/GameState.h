// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/HighScoreTable.h"

#include <QString>

#include <array>
#include <cstdint>

namespace kelvad {

// Where a piece was last placed, or the pointer last seen, in twips inside the play field.
struct FieldPoint {
    float left = 0;
    float top = 0;
};

// The state of the game: every variable the operations read and write, apart from what the windows show.
// The program makes one for its whole run and hands it to every operation together with the main window.
// Where a value is shown on screen, whoever writes it updates the control in the same step.
struct GameState {
    // Ticks of the game clock still to play; the game ends at the first tick that finds 0 or less.
    std::int32_t timeLeft = 0;
    std::int32_t score = 0;
    // The score a game begins with: a function of the speed setting.
    std::int32_t startScore = 0;
    // Hits per shot in whole percent, halves rounded to even.
    std::int32_t hitRate = 0;
    // Shots and hits in the current game; a shot refused at 0 bullets does not count.
    std::int32_t shotCount = 0;
    std::int32_t hitCount = 0;
    QString gunSoundFile;
    QString civilianSoundFile;
    QString bonusSoundFile;
    // Bullets left in the current gun's magazine; a shot at 0 is refused.
    std::int32_t ammoLeft = 0;
    // The place (1..5) the finished game's score has won in the table.
    std::int32_t newRank = 0;
    // Jump intervals of the black, blue and yellow man, in ms.
    std::array<std::int32_t, 3> manIntervals{};
    // Where each man, the civilian and each bonus plate were last placed.
    std::array<FieldPoint, 3> menPlaces{};
    FieldPoint civilianPlace;
    std::array<FieldPoint, 3> platePlaces{};
    // The pointer's last position over the play field: the shot mark is drawn around it.
    FieldPoint pointer;
    // The man whose image was pressed last: 0 black, 1 blue, 2 yellow.
    std::int32_t pressedMan = 0;
    // The bonus meter: hits fill it, and at 25 the next shot brings up a bonus plate.
    std::int32_t bonusCharge = 0;
    HighScoreTable highScores;
    // The table holds a change the high-score file could not take (a read-only folder, a full disk).
    bool highScoresUnsaved = false;
    std::int32_t killCount = 0;
    // Points added to every hit on a man: 0, then 20, then 40.
    std::int32_t stageBonus = 0;
    // Whether this game has reached the second and the third background yet.
    bool background2Shown = false;
    bool background3Shown = false;
    // The speed slider's saved position, 0 (slow) to 10 (fast).
    std::int32_t speedSetting = 5;
};

}  // namespace kelvad
